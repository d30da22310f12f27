/* A stand-in for libXrandr.so.2 that shows the X screen as two monitors side by side, the left
 * and the right half, each a CRTC with one connected output. Wine 10 places a monitor where the
 * current mode of its display lies, and without RANDR it puts every display at the origin, so
 * the Xinerama heads alone give it two monitors on top of each other; through RandR 1.4 it takes
 * each CRTC's place. Wine 8 takes the same way when it finds this library. The display this
 * serves runs without the RANDR extension, so nothing here asks the server: the answers are made
 * from the screen's size, no mode can be set, and no RandR event ever comes. */
#include <stdlib.h>
#include <string.h>

#include <X11/Xlib.h>
#include <X11/extensions/randr.h>

typedef XID RROutput;
typedef XID RRCrtc;
typedef XID RRMode;
typedef XID RRProvider;

typedef struct {
    RRMode id;
    unsigned int width, height;
    unsigned long dotClock;
    unsigned int hSyncStart, hSyncEnd, hTotal, hSkew;
    unsigned int vSyncStart, vSyncEnd, vTotal;
    char* name;
    unsigned int nameLength;
    unsigned long modeFlags;
} XRRModeInfo;

typedef struct {
    Time timestamp, configTimestamp;
    int ncrtc;
    RRCrtc* crtcs;
    int noutput;
    RROutput* outputs;
    int nmode;
    XRRModeInfo* modes;
} XRRScreenResources;

typedef struct {
    Time timestamp;
    RRCrtc crtc;
    char* name;
    int nameLen;
    unsigned long mm_width, mm_height;
    Connection connection;
    SubpixelOrder subpixel_order;
    int ncrtc;
    RRCrtc* crtcs;
    int nclone;
    RROutput* clones;
    int nmode, npreferred;
    RRMode* modes;
} XRROutputInfo;

typedef struct {
    Time timestamp;
    int x, y;
    unsigned int width, height;
    RRMode mode;
    Rotation rotation;
    int noutput;
    RROutput* outputs;
    Rotation rotations;
    int npossible;
    RROutput* possible;
} XRRCrtcInfo;

typedef struct {
    Time timestamp;
    int nproviders;
    RRProvider* providers;
} XRRProviderResources;

typedef struct {
    int width, height, mwidth, mheight;
} XRRScreenSize;

/* Two CRTCs, each driving one output; each output offers the half screen and, so that no driver
 * check takes it for a panel with a single resolution, 800 x 600. */
enum { kCrtc = 1, kOutput = 11, kHalfMode = 21, kSmallMode = 22, kHeads = 2 };
/* Event numbers that no extension of Xvfb uses, for events that never come. */
enum { kEventBase = 120, kErrorBase = 250 };

static RRCrtc g_crtcs[kHeads] = {kCrtc, kCrtc + 1};
static RROutput g_outputs[kHeads] = {kOutput, kOutput + 1};
static RRMode g_modes[2] = {kHalfMode, kSmallMode};
static char g_names[kHeads][8] = {"HEAD-1", "HEAD-2"};
static short g_rate = 60;

static XRRModeInfo Mode(RRMode id, unsigned int width, unsigned int height)
{
    /* Blanking left out: the totals are the picture, so the clock gives exactly 60 Hz. */
    XRRModeInfo mode = {id, width, height, 60ul * width * height, width, width, width, 0,
                        height, height, height, NULL, 0, 0};
    return mode;
}

static unsigned int HalfWidth(Display* dpy)
{
    return (unsigned int)XDisplayWidth(dpy, XDefaultScreen(dpy)) / 2;
}

static unsigned int Height(Display* dpy)
{
    return (unsigned int)XDisplayHeight(dpy, XDefaultScreen(dpy));
}

Bool XRRQueryExtension(Display* dpy, int* event_base, int* error_base)
{
    (void)dpy;
    *event_base = kEventBase;
    *error_base = kErrorBase;
    return True;
}

Status XRRQueryVersion(Display* dpy, int* major, int* minor)
{
    (void)dpy;
    *major = 1;
    *minor = 4;
    return 1;
}

/* One block holds the resources and the arrays they point to, so that one free() frees them. */
XRRScreenResources* XRRGetScreenResources(Display* dpy, Window window)
{
    (void)window;
    struct Block {
        XRRScreenResources res;
        XRRModeInfo modes[2];
    }* block = calloc(1, sizeof *block);
    if (!block)
        return NULL;
    block->modes[0] = Mode(kHalfMode, HalfWidth(dpy), Height(dpy));
    block->modes[1] = Mode(kSmallMode, 800, 600);
    block->res.ncrtc = kHeads;
    block->res.crtcs = g_crtcs;
    block->res.noutput = kHeads;
    block->res.outputs = g_outputs;
    block->res.nmode = 2;
    block->res.modes = block->modes;
    return &block->res;
}

XRRScreenResources* XRRGetScreenResourcesCurrent(Display* dpy, Window window)
{
    return XRRGetScreenResources(dpy, window);
}

void XRRFreeScreenResources(XRRScreenResources* res)
{
    free(res);
}

static int HeadOf(XID id, XID first)
{
    return id >= first && id < first + kHeads ? (int)(id - first) : -1;
}

XRRCrtcInfo* XRRGetCrtcInfo(Display* dpy, XRRScreenResources* res, RRCrtc crtc)
{
    (void)res;
    const int head = HeadOf(crtc, kCrtc);
    XRRCrtcInfo* info = head < 0 ? NULL : calloc(1, sizeof *info);
    if (!info)
        return NULL;
    info->x = head * (int)HalfWidth(dpy);
    info->width = HalfWidth(dpy);
    info->height = Height(dpy);
    info->mode = kHalfMode;
    info->rotation = info->rotations = RR_Rotate_0;
    info->noutput = info->npossible = 1;
    info->outputs = info->possible = &g_outputs[head];
    return info;
}

void XRRFreeCrtcInfo(XRRCrtcInfo* info)
{
    free(info);
}

XRROutputInfo* XRRGetOutputInfo(Display* dpy, XRRScreenResources* res, RROutput output)
{
    (void)res;
    const int head = HeadOf(output, kOutput);
    XRROutputInfo* info = head < 0 ? NULL : calloc(1, sizeof *info);
    if (!info)
        return NULL;
    info->crtc = g_crtcs[head];
    info->name = g_names[head];
    info->nameLen = (int)strlen(g_names[head]);
    /* About 96 pixels to the inch. */
    info->mm_width = HalfWidth(dpy) * 254 / 960;
    info->mm_height = Height(dpy) * 254 / 960;
    info->connection = RR_Connected;
    info->ncrtc = 1;
    info->crtcs = &g_crtcs[head];
    info->nmode = 2;
    info->npreferred = 1;
    info->modes = g_modes;
    return info;
}

void XRRFreeOutputInfo(XRROutputInfo* info)
{
    free(info);
}

RROutput XRRGetOutputPrimary(Display* dpy, Window window)
{
    (void)dpy;
    (void)window;
    return kOutput;
}

/* No output has properties (no EDID): every request fails as for a missing one. */
int XRRGetOutputProperty(Display* dpy, RROutput output, Atom property, long offset, long length, Bool del,
                         Bool pending, Atom req_type, Atom* actual_type, int* actual_format,
                         unsigned long* nitems, unsigned long* bytes_after, unsigned char** prop)
{
    (void)dpy, (void)output, (void)property, (void)offset, (void)length, (void)del, (void)pending, (void)req_type;
    *actual_type = None;
    *actual_format = 0;
    *nitems = *bytes_after = 0;
    *prop = NULL;
    return BadMatch;
}

/* No providers: the caller makes up the one graphics card. */
XRRProviderResources* XRRGetProviderResources(Display* dpy, Window window)
{
    (void)dpy;
    (void)window;
    return calloc(1, sizeof(XRRProviderResources));
}

void XRRFreeProviderResources(XRRProviderResources* res)
{
    free(res);
}

void* XRRGetProviderInfo(Display* dpy, XRRScreenResources* res, RRProvider provider)
{
    (void)dpy, (void)res, (void)provider;
    return NULL;
}

void XRRFreeProviderInfo(void* info)
{
    free(info);
}

Status XRRGetScreenSizeRange(Display* dpy, Window window, int* min_width, int* min_height, int* max_width,
                             int* max_height)
{
    (void)window;
    *min_width = *max_width = XDisplayWidth(dpy, XDefaultScreen(dpy));
    *min_height = *max_height = XDisplayHeight(dpy, XDefaultScreen(dpy));
    return 1;
}

/* The screen keeps its modes. */
Status XRRSetCrtcConfig(Display* dpy, XRRScreenResources* res, RRCrtc crtc, Time timestamp, int x, int y,
                        RRMode mode, Rotation rotation, RROutput* outputs, int noutputs)
{
    (void)dpy, (void)res, (void)crtc, (void)timestamp, (void)x, (void)y, (void)mode, (void)rotation,
        (void)outputs, (void)noutputs;
    return RRSetConfigFailed;
}

void XRRSetScreenSize(Display* dpy, Window window, int width, int height, int mm_width, int mm_height)
{
    (void)dpy, (void)window, (void)width, (void)height, (void)mm_width, (void)mm_height;
}

void XRRSelectInput(Display* dpy, Window window, int mask)
{
    (void)dpy, (void)window, (void)mask;
}

/* RandR 1.0: the whole screen in one size and one rate, which cannot be changed either. */
static XRRScreenSize g_size;

void* XRRGetScreenInfo(Display* dpy, Window window)
{
    (void)window;
    g_size.width = XDisplayWidth(dpy, XDefaultScreen(dpy));
    g_size.height = XDisplayHeight(dpy, XDefaultScreen(dpy));
    return &g_size;
}

void XRRFreeScreenConfigInfo(void* config)
{
    (void)config;
}

SizeID XRRConfigCurrentConfiguration(void* config, Rotation* rotation)
{
    (void)config;
    *rotation = RR_Rotate_0;
    return 0;
}

short XRRConfigCurrentRate(void* config)
{
    (void)config;
    return g_rate;
}

XRRScreenSize* XRRSizes(Display* dpy, int screen, int* nsizes)
{
    g_size.width = XDisplayWidth(dpy, screen);
    g_size.height = XDisplayHeight(dpy, screen);
    *nsizes = 1;
    return &g_size;
}

short* XRRRates(Display* dpy, int screen, int size, int* nrates)
{
    (void)dpy, (void)screen, (void)size;
    *nrates = 1;
    return &g_rate;
}

Status XRRSetScreenConfig(Display* dpy, void* config, Drawable draw, int size, Rotation rotation, Time timestamp)
{
    (void)dpy, (void)config, (void)draw, (void)size, (void)rotation, (void)timestamp;
    return RRSetConfigFailed;
}

Status XRRSetScreenConfigAndRate(Display* dpy, void* config, Drawable draw, int size, Rotation rotation,
                                 short rate, Time timestamp)
{
    (void)rate;
    return XRRSetScreenConfig(dpy, config, draw, size, rotation, timestamp);
}
