#include "answer/WorkFolderLink.h"

#include "controls/ClickLabel.h"
#include "workfiles/Editor.h"

void WorkFolderLink::show(ClickLabel *label, const QString &folder, bool sizeToText)
{
    label->setText(folder);
    label->setToolTip(folder);
    if (sizeToText)
        label->adjustSize();
}

void WorkFolderLink::open(const QString &folder)
{
    Editor::openFolder(folder);
}
