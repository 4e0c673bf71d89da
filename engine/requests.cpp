#include "engine/requests.h"

Relaxed<int32_t> g_nNextScene{0};
Relaxed<uint8_t> SoundRequest[kSoundRequestCount];
