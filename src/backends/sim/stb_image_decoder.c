/* stb_image's decoder, compiled here where no prebuilt library serves (cross builds for
   Windows). File names are UTF-8 there as everywhere in Velvora. */
#define STB_IMAGE_IMPLEMENTATION
#define STBI_WINDOWS_UTF8
#include <stb_image.h>
