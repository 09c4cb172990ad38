// The stb picture decoder and PNG writer compiled into the web build: natively they come from
// Debian's libstb, which has no WebAssembly build.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>
