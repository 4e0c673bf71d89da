#include "shooting/bullet_kinds.h"

namespace {

const BulletKindRow* Row(const BulletKindRow* table, int32_t count, int32_t kind) {
    return kind >= 0 && kind < count ? &table[kind] : nullptr;
}

}  // namespace

const BulletKindRow* SmallKind(int32_t kind) {
    return Row(EBulletKindTable, kEBulletKindCount, kind);
}

const BulletKindRow* DirKind(int32_t kind) {
    return Row(DirBulletKindTable, kDirBulletKindCount, kind);
}

const BulletKindRow* BigKind(int32_t kind) {
    return Row(BigBulletKindTable, kBigBulletKindCount, kind);
}
