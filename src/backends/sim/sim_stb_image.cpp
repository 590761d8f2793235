// The stb_image decoder, built with the simulated platform rather than taken as Debian's
// library, so that the sanitizers and the fuzzers see into it. Only the formats a picture list
// commonly holds: a decoder that is not compiled cannot misread a file.
#define STB_IMAGE_IMPLEMENTATION
// Its assertions check what a corrupt file can break (a Huffman code against its table): a
// file must fail to load, never abort the program, in a debug build too.
#define STBI_ASSERT(x) ((void)0)
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#include <stb_image.h>
