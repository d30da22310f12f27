/* A stand-in for libXinerama.so.1 that splits the X screen into two heads side by side, the left
 * and the right half, so that Wine under Xvfb sees a desktop of two monitors. Xvfb's own
 * Xinerama puts every screen at 0,0, and Wine then sees one monitor. Wine's X11 driver loads it
 * with dlopen("libXinerama.so.1"), so this library, built natively and found first through
 * LD_LIBRARY_PATH, takes the real one's place. Where RandR answers, as the stand-in beside this
 * one does, Wine takes its monitors from RandR; what it still asks of Xinerama (the host's main
 * monitor, the heads a full-screen window spans) then names the same halves. It answers without
 * asking the server for the extension, and carries the whole client API so that any other
 * program that loads it in its place finds what it looks for. */
#include <stdlib.h>

#include <X11/Xlib.h>

typedef struct {
    int screen_number;
    short x_org;
    short y_org;
    short width;
    short height;
} XineramaScreenInfo;

Bool XineramaQueryExtension(Display* dpy, int* event_base, int* error_base)
{
    (void)dpy;
    *event_base = 0;
    *error_base = 0;
    return True;
}

Status XineramaQueryVersion(Display* dpy, int* major, int* minor)
{
    (void)dpy;
    *major = 1;
    *minor = 1;
    return 1;
}

Bool XineramaIsActive(Display* dpy)
{
    (void)dpy;
    return True;
}

/* The caller frees the array with XFree, which is free(). */
XineramaScreenInfo* XineramaQueryScreens(Display* dpy, int* number)
{
    const int screen = XDefaultScreen(dpy);
    const short half = (short)(XDisplayWidth(dpy, screen) / 2);
    const short height = (short)XDisplayHeight(dpy, screen);
    XineramaScreenInfo* heads = malloc(2 * sizeof *heads);
    if (!heads) {
        *number = 0;
        return NULL;
    }
    for (int i = 0; i < 2; ++i)
        heads[i] = (XineramaScreenInfo){i, (short)(i * half), 0, half, height};
    *number = 2;
    return heads;
}
