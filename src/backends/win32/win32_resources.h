#pragma once
// Numbers of the resources linked into Velvora.scr (src/app/velvora.rc.in), shared with the code
// that loads them. Plain defines: the resource compiler reads this file too.

// Window icons, from assets/<name>.ico. The slideshow's comes first: Windows shows the first icon
// of a program as the program's own.
#define VELVORA_ICON_SAVER 1
#define VELVORA_ICON_SETUP 2
#define VELVORA_ICON_HELP 3
#define VELVORA_ICON_OPTIONS 4

// String 1 of a screen saver is the name the Screen Saver Settings list shows.
#define VELVORA_STRING_DESCRIPTION 1
