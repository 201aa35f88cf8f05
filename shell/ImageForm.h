#pragma once
// Shared image store of the windows: ImageList1 (16 x 16), TV_ImageList,
// ImageList32 and ImageList48. Placeholder lists, filled by the form base.

#include <QIcon>
#include <QList>

namespace brenvik {

class TImageForm {
public:
    static TImageForm& Instance();
    static bool IsInstance();
    static void ReleaseInstance();

    QList<QIcon> ImageList1;
    QList<QIcon> TV_ImageList;
    QList<QIcon> ImageList32;
    QList<QIcon> ImageList48;
};

} // namespace brenvik
