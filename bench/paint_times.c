/* Preloaded into the Qt program by scripts/bench-qt.sh to measure how soon
 * after each second's change the new picture reaches the X server, from
 * outside the program. Writes to $PAINT_TIMES_LOG, in microseconds of
 * CLOCK_BOOTTIME (the clock the program counts on):
 *   "t <us>" each time the program reads that clock,
 *   "p <us>" each time Qt sends a picture to the X server. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

typedef struct { unsigned int sequence; } cookie_t;

static int log_fd = -1;
static int (*real_clock_gettime)(clockid_t, struct timespec *);

__attribute__((constructor)) static void open_log(void) {
    real_clock_gettime = dlsym(RTLD_NEXT, "clock_gettime");
    const char *path = getenv("PAINT_TIMES_LOG");
    if (path) log_fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

static void note(char kind, const struct timespec *ts) {
    char line[40];
    const int n = snprintf(line, sizeof line, "%c %lld\n", kind, ts->tv_sec * 1000000LL + ts->tv_nsec / 1000);
    if (log_fd >= 0 && write(log_fd, line, (size_t)n) < 0) log_fd = -1;
}

/* The xcb libraries come with Qt's platform plug-in, opened locally: they are
 * not in the global scope that RTLD_NEXT searches. */
static void *from(const char *library, const char *symbol) {
    void *handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    return handle ? dlsym(handle, symbol) : NULL;
}

static void note_paint(void) {
    struct timespec ts;
    real_clock_gettime(CLOCK_BOOTTIME, &ts);
    note('p', &ts);
}

int clock_gettime(clockid_t id, struct timespec *ts) {
    if (!real_clock_gettime) real_clock_gettime = dlsym(RTLD_NEXT, "clock_gettime");
    const int result = real_clock_gettime(id, ts);
    if (id == CLOCK_BOOTTIME) note('t', ts);
    return result;
}

cookie_t xcb_shm_put_image(void *c, uint32_t drawable, uint32_t gc, uint16_t total_width, uint16_t total_height,
                           uint16_t src_x, uint16_t src_y, uint16_t src_width, uint16_t src_height, int16_t dst_x,
                           int16_t dst_y, uint8_t depth, uint8_t format, uint8_t send_event, uint32_t shmseg,
                           uint32_t offset) {
    static cookie_t (*real)(void *, uint32_t, uint32_t, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t,
                            int16_t, int16_t, uint8_t, uint8_t, uint8_t, uint32_t, uint32_t);
    if (!real) real = from("libxcb-shm.so.0", "xcb_shm_put_image");
    note_paint();
    return real(c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height, dst_x, dst_y, depth,
                format, send_event, shmseg, offset);
}

cookie_t xcb_image_put(void *c, uint32_t drawable, uint32_t gc, void *image, int16_t x, int16_t y, uint8_t left_pad) {
    static cookie_t (*real)(void *, uint32_t, uint32_t, void *, int16_t, int16_t, uint8_t);
    if (!real) real = from("libxcb-image.so.0", "xcb_image_put");
    note_paint();
    return real(c, drawable, gc, image, x, y, left_pad);
}
