#include "engine/image.h"

CImageDIB g_BackBuffer(kScreenWidth, kScreenHeight);
