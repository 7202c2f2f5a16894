/* Whether this machine can execute 32-bit Windows code under 64-bit Wine at
   all. On purpose it owes nothing to the project: no header, no library, no
   code of ours, so that no fault of ours can ever make it fail and turn the
   32-bit test runs into skips. Some hypervisors give a process no usable
   32-bit code segment; there Wine's WoW64 mode ends before this prints. */
#include <stdio.h>

int main(void) {
    puts("wow64-probe: 32-bit code runs");
    return 0;
}
