/* Tells how long the screen keeps changing after a request, from the X server's Damage events.
 *
 *   damage-watch [-q quiet_ms] [-t timeout_ms] [-m min_side] [-v] [-- command ...]
 *
 * With a command: damage is selected on the root window (with no compositor, every drawing into
 * any window shows there), the command is started (an xdotool resize or click, say), and the tool
 * prints the microseconds from the command's start to the first damage and to the last one before
 * a quiet gap of quiet_ms, as "first last", then exits 0. Without a command it just waits for
 * such a gap (the screen has settled) and prints nothing.
 * Damage narrower or lower than min_side pixels is not counted: a ticking clock in a status bar,
 * a window manager's title bar or the pointer should not keep a redraw open. -v prints every
 * counted event to stderr as "microseconds x y width height". Exits 1 when nothing settles (or,
 * with a command, nothing is drawn) before timeout_ms, 2 on a setup failure.
 * Built by bench/window.sh: cc -O2 damage-watch.c -o damage-watch -lX11 -lXdamage */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void) {
  struct timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts); /* the same clock as bash's EPOCHREALTIME */
  return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

int main(int argc, char** argv) {
  long quiet = 400, timeout = 15000, min_side = 0;
  int verbose = 0, i = 1;
  for (; i < argc; ++i) {
    if (!strcmp(argv[i], "--")) { ++i; break; }
    if (!strcmp(argv[i], "-v")) verbose = 1;
    else if (i + 1 < argc && !strcmp(argv[i], "-q")) quiet = atol(argv[++i]);
    else if (i + 1 < argc && !strcmp(argv[i], "-t")) timeout = atol(argv[++i]);
    else if (i + 1 < argc && !strcmp(argv[i], "-m")) min_side = atol(argv[++i]);
    else { fprintf(stderr, "usage: %s [-q ms] [-t ms] [-m pixels] [-v] [-- command ...]\n", argv[0]); return 2; }
  }
  char** command = i < argc ? argv + i : NULL;

  Display* display = XOpenDisplay(NULL);
  if (!display) { fprintf(stderr, "damage-watch: cannot open display\n"); return 2; }
  int event_base, error_base;
  if (!XDamageQueryExtension(display, &event_base, &error_base)) {
    fprintf(stderr, "damage-watch: the X server has no Damage extension\n");
    return 2;
  }
  XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
  XSync(display, False);
  /* Whatever was drawn before the request is not its doing. */
  while (XPending(display)) { XEvent e; XNextEvent(display, &e); }

  long long start = now_us(), first = 0, last = 0;
  pid_t child = -1;
  if (command) {
    child = fork();
    if (child == 0) {
      execvp(command[0], command);
      _exit(127);
    }
    if (child < 0) { perror("damage-watch: fork"); return 2; }
  } else {
    last = start; /* settling: the gap counts from now */
  }

  struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
  int status = 1;
  for (;;) {
    while (XPending(display)) {
      XEvent e;
      XNextEvent(display, &e);
      if (e.type != event_base + XDamageNotify) continue;
      const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)&e;
      if (d->area.width < min_side || d->area.height < min_side) continue;
      last = now_us();
      if (!first) first = last;
      if (verbose) fprintf(stderr, "%lld %d %d %d %d\n", last, d->area.x, d->area.y, d->area.width, d->area.height);
    }
    long long t = now_us();
    if (last && t - last >= quiet * 1000) { status = 0; break; }
    if (t - start >= timeout * 1000) break;
    long long wait = last ? last + quiet * 1000 - t : start + timeout * 1000 - t;
    if (wait > start + timeout * 1000 - t) wait = start + timeout * 1000 - t;
    poll(&fd, 1, (int)(wait / 1000) + 1);
  }
  if (command) {
    int code = 0;
    if (waitpid(child, &code, WNOHANG) == 0) { kill(child, SIGTERM); waitpid(child, &code, 0); }
    if (status == 0 && WIFEXITED(code) && WEXITSTATUS(code) != 0) {
      fprintf(stderr, "damage-watch: %s failed\n", command[0]);
      return 2;
    }
    if (status == 0) printf("%lld %lld\n", first - start, last - start);
    else fprintf(stderr, "damage-watch: %s\n", last ? "the screen did not settle" : "nothing was drawn");
  }
  return status;
}
