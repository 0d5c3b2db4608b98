/* Starts a program and reports, as one line "<ms> <kB>", how long it took
 * until one of its windows was visible on the X display and the peak of its
 * resident memory 3 s after the start. The display is polled every 10 ms
 * for a viewable top-level window whose _NET_WM_PID is the program's.
 *
 *   first_window PROGRAM [ARGS...]
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static long WindowPid(Display* d, Window w, Atom pidAtom) {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                         &data) == Success &&
      data != NULL && items == 1) {
    pid = (long)*(unsigned long*)data;
  }
  if (data != NULL) XFree(data);
  return pid;
}

static int HasVisibleWindow(Display* d, Atom pidAtom, pid_t pid) {
  Window root, parent, *children = NULL;
  unsigned int n = 0;
  int found = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n)) return 0;
  for (unsigned int i = 0; i < n && !found; ++i) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
    found = WindowPid(d, children[i], pidAtom) == pid;
  }
  if (children != NULL) XFree(children);
  return found;
}

static long PeakResidentKb(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (f == NULL) return -1;
  char line[256];
  long kb = -1;
  while (fgets(line, sizeof line, f) != NULL) {
    if (strncmp(line, "VmHWM:", 6) == 0) kb = strtol(line + 6, NULL, 10);
  }
  fclose(f);
  return kb;
}

int main(int argc, char* argv[]) {
  if (argc < 2) {
    fprintf(stderr, "usage: first_window PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* d = XOpenDisplay(NULL);
  if (d == NULL) {
    fprintf(stderr, "first_window: no X display\n");
    return 2;
  }
  const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
  const double start = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double shown = -1;
  const struct timespec tick = {0, 10 * 1000 * 1000};
  while (Now() - start < 20000) {
    if (HasVisibleWindow(d, pidAtom, pid)) {
      shown = Now() - start;
      break;
    }
    if (waitpid(pid, NULL, WNOHANG) == pid) break;
    nanosleep(&tick, NULL);
  }
  const double settle = start + 3000 - Now();
  if (settle > 0) usleep((useconds_t)(settle * 1000));
  const long kb = PeakResidentKb(pid);
  kill(pid, SIGTERM);
  waitpid(pid, NULL, 0);
  XCloseDisplay(d);
  if (shown < 0) {
    fprintf(stderr, "first_window: %s showed no window\n", argv[1]);
    return 1;
  }
  printf("%.0f %ld\n", shown, kb);
  return 0;
}
