#pragma once

#include <cstdint>

// The scene base. Every scene object lives for the whole run; the frame loop runs the
// current one and the scene switch starts or releases them.
class CTaskEngin {
public:
    int32_t state = 0;  // scene-specific: a menu position, or the scene a prompt returns to
    int32_t frame = 0;  // the scene's own frame counter

    CTaskEngin() = default;
    CTaskEngin(const CTaskEngin&) = delete;
    CTaskEngin& operator=(const CTaskEngin&) = delete;
    virtual ~CTaskEngin() = default;

    // One frame: update and draw into the back buffer.
    virtual void Run() {}
    // The scene becomes current.
    virtual void Start() {
        state = 0;
        frame = 0;
    }
    // Frees the scene's large images once the flow has moved past it.
    virtual void Release() {}
};
