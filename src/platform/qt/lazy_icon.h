#pragma once
// Icons whose pictures are read from their files when first drawn, not when the icon is
// made: a window shows its toolbar's disabled pictures, and the program its window icon,
// only later or never, and a start-up need not decode what its first paint does not draw.

#include <QIcon>
#include <QString>

namespace tavra {

// An icon of `normalFile` and, for the disabled mode, `disabledFile` (none when empty),
// both of `size` (all the pictures in the file when the size is not valid). Drawn exactly
// as the icon that adds those files at once: the normal picture is read on the first need
// of any mode but the disabled one, the disabled picture on the first need of that. The
// files must exist, as the program's own resources do.
QIcon lazyIcon(const QString& normalFile, const QString& disabledFile = QString(), QSize size = QSize());

}  // namespace tavra
