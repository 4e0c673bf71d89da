#include "engine/draw_mode.h"

CDrawMode g_DrawKey(2);
CDrawMode g_DrawCopy;
CDrawMode g_DrawMode3(3);
CDrawMode g_DrawAdd255(10, 255);
CDrawMode g_DrawAdd(10);
CDrawMode g_DrawChatText(2);
