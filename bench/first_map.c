/* Times a program from its start to its first window on the screen, and reads the most
   memory it held over its run. It watches the root window of the display for the first
   MapNotify of a top-level window, so the figure is exact to the X server's own order of
   events and needs no polling; the peak resident size comes from the kernel when the program
   has ended.

   Usage: first-map [-e SECONDS] PROGRAM [ARGUMENTS...]
   Prints "mapped_ms N" as soon as the window is up, then "maxrss_kb N" once the program has
   ended: by itself, or, with -e, ended by a signal that many seconds after its window came
   up (0: at once). */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

/* Waits for the first top-level window to be mapped; gives up after timeoutMs or when the
   program ends first. Returns the time it was mapped, or a negative number. */
static double WaitForMap(Display* display, pid_t pid, double timeoutMs) {
  const double deadline = NowMs() + timeoutMs;
  struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify) return NowMs();
    }
    if (waitpid(pid, NULL, WNOHANG) == pid) return -1;
    const double left = deadline - NowMs();
    if (left <= 0) return -2;
    poll(&connection, 1, left < 100 ? (int)left + 1 : 100);
  }
}

int main(int argc, char** argv) {
  const int endsLater = argc > 2 && strcmp(argv[1], "-e") == 0;
  const double endAfter = endsLater ? atof(argv[2]) : 0;
  char** program = argv + 1 + 2 * endsLater;
  if (!*program) {
    fprintf(stderr, "usage: first-map [-e SECONDS] PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "first-map: cannot open the display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    close(ConnectionNumber(display));
    execvp(program[0], program);
    perror("first-map: exec");
    _exit(127);
  }
  const double mapped = WaitForMap(display, pid, 30000);
  if (mapped < 0) {
    fprintf(stderr, "first-map: %s\n", mapped < -1 ? "no window within 30 s" : "ended first");
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    return 1;
  }
  printf("mapped_ms %.2f\n", mapped - start);
  fflush(stdout);

  if (endsLater) {
    const struct timespec pause = {(time_t)endAfter, (long)((endAfter - (time_t)endAfter) * 1e9)};
    nanosleep(&pause, NULL);
    kill(pid, SIGTERM);
  }
  int status = 0;
  struct rusage usage;
  wait4(pid, &status, 0, &usage);
  printf("maxrss_kb %ld\n", usage.ru_maxrss);
  return 0;
}
