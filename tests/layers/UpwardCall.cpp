// SPDX-License-Identifier: MIT
// A feature's source that calls up into the program's own layer without
// including its header: it compiles, and the link check of its layer refuses
// it.
class SingleInstance;
class TMainForm;
void takeLaterStarts(SingleInstance &instance, TMainForm &form);

void reachUp(SingleInstance &instance, TMainForm &form) {
    takeLaterStarts(instance, form);
}
