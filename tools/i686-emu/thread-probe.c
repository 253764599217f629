// Tells whether the emulator keeps each thread's own thread block (TEB)
// while threads run side by side: N threads (the argument, 1 to 3) check
// theirs while the main thread suspends and resumes them (Wine delivers a
// signal for each). It touches nothing of the wizard; tools/check-i686.sh runs
// it to learn how far failures of programs with several threads say anything
// about our code. Exit status 0: every thread kept its block.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#define MAX_THREADS 3
#define ROUNDS 10

struct worker {
    HANDLE handle;
    void *volatile block;
    void *seen;
    volatile LONG stop;
};

static DWORD WINAPI check_block(void *arg)
{
    struct worker *w = arg;
    w->block = NtCurrentTeb();
    while (!w->stop) {
        void *now = NtCurrentTeb();
        if (now != w->block) {
            w->seen = now;
            return 1;
        }
        Sleep(5);
    }
    return 0;
}

int main(int argc, char **argv)
{
    struct worker workers[MAX_THREADS] = {0};
    int i, round, lost = 0;
    const int threads = argc > 1 ? atoi(argv[1]) : MAX_THREADS;
    if (threads < 1 || threads > MAX_THREADS)
        return 2;
    for (i = 0; i < threads; i++) {
        workers[i].handle = CreateThread(NULL, 0, check_block, &workers[i], 0, NULL);
        while (!workers[i].block)
            Sleep(10);
    }
    for (round = 0; round < ROUNDS; round++)
        for (i = 0; i < threads; i++) {
            SuspendThread(workers[i].handle);
            ResumeThread(workers[i].handle);
            Sleep(20);
        }
    for (i = 0; i < threads; i++) {
        DWORD code = 0;
        workers[i].stop = 1;
        WaitForSingleObject(workers[i].handle, INFINITE);
        GetExitCodeThread(workers[i].handle, &code);
        if (code) {
            lost++;
            printf("thread %d: thread block %p at its start, %p later\n", i, workers[i].block, workers[i].seen);
        }
    }
    printf("%d of %d threads lost their own thread block\n", lost, threads);
    return lost != 0;
}
