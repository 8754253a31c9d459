/* fakexinerama: a libXinerama.so.1 for the multi-monitor end-to-end tests. It answers Wine's
 * questions about the monitors with the layout in the environment variable FAKE_MONITORS, so that
 * one Xvfb screen shows Snapwright two or more monitors beside, above or below each other:
 *
 *   FAKE_MONITORS="1024x768+800+0,800x600+0+0"
 *
 * Each monitor is WIDTHxHEIGHT+X+Y in the X screen's pixels, at most 16 of them. The first is the
 * primary, whose top-left corner becomes (0, 0) on the Windows side: this layout puts an 800 x 600
 * monitor at -800, 0. Without the variable there is one monitor of 1024 x 768.
 *
 * scripts/lib/monitor-layout.sh builds it with the system's C compiler into a folder that it puts
 * first on LD_LIBRARY_PATH, and starts Xvfb without RandR (-extension RANDR), for only then does
 * Wine ask Xinerama. Wine reads the monitors when its server starts: a new layout needs a new
 * wineserver. */
#include <stdio.h>
#include <stdlib.h>
#include <X11/Xlib.h>

/* The layout of Xinerama's own record, whose header the stand-in does without. */
typedef struct { int screen_number; short x_org, y_org, width, height; } XineramaScreenInfo;

Bool XineramaQueryExtension(Display *d, int *events, int *errors) { (void)d; *events = *errors = 0; return True; }
Status XineramaQueryVersion(Display *d, int *major, int *minor) { (void)d; *major = *minor = 1; return 1; }
Bool XineramaIsActive(Display *d) { (void)d; return True; }

/* The caller frees the list with XFree, which frees memory from malloc. */
XineramaScreenInfo *XineramaQueryScreens(Display *display, int *number) {
    const char *layout = getenv("FAKE_MONITORS");
    XineramaScreenInfo *monitors = calloc(16, sizeof(*monitors));
    int width, height, x, y, length;
    (void)display;
    *number = 0;
    if (layout == NULL || *layout == '\0') layout = "1024x768+0+0";
    while (monitors && *number < 16 && sscanf(layout, "%dx%d%d%d%n", &width, &height, &x, &y, &length) == 4) {
        XineramaScreenInfo monitor = {*number, (short)x, (short)y, (short)width, (short)height};
        monitors[(*number)++] = monitor;
        layout += length;
        if (*layout == ',') layout++;
    }
    return monitors;
}
