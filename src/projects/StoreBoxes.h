// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

class ProjectStore;
struct StoreError;

// The boxes the Time Record tab, recovery and Add Time show for what the
// project store could not do; the store itself shows none.

// The error's box, with `note` after its text as a sentence of its own.
void showStoreError(const StoreError &error, const std::string &note = {});

// The project's ID, made as a new project when the name is not stored yet.
// Whatever goes wrong is shown and gives 0, so time can never land on the
// project of an earlier lookup; a failure to read or write is followed by
// "Invalid project number", as a lookup that found no usable ID always was.
int32_t projectIdShowingErrors(ProjectStore &store, const std::string &name);
