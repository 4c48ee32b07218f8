/* Runs a command as on a host whose kernel cannot execute 32-bit x86 code: a seccomp filter kills any process
 * under it at its first 32-bit system call. 64-bit programs run as usual. Built by tools/without-x86. */
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>
#include <errno.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: without-x86 COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    struct sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_I386, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    struct sock_fprog program = {sizeof filter / sizeof filter[0], filter};
    /* Without root, a filter may only be set by a process that can gain no privileges; it is inherited by every
     * process started under it and cannot be lifted. */
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0) {
        fprintf(stderr, "without-x86: the seccomp filter could not be set: %s\n", strerror(errno));
        return 2;
    }
    execvp(argv[1], argv + 1);
    fprintf(stderr, "without-x86: %s: %s\n", argv[1], strerror(errno));
    return 127;
}
