// SPDX-License-Identifier: MIT
// The entry of a layer's link check: the layer's whole library is linked to
// this, so every name it uses must be found in the layers it sees.
int main() {
    return 0;
}
