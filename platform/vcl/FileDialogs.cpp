#include "FileDialogs.h"

#include "Form.h"

#include <QFileDialog>
#include <QFileInfo>

std::function<QString(const TFileDialog &Dialog)> TFileDialog::Runner;

bool TFileDialog::Execute(TCustomForm *Parent)
{
    QString name;
    if (Runner) {
        name = Runner(*this);
    } else {
        QWidget *parent = Parent ? Parent->Widget() : nullptr;
        name = save_ ? QFileDialog::getSaveFileName(parent, Title, FileName, Filter)
                     : QFileDialog::getOpenFileName(parent, Title, FileName, Filter);
    }
    if (name.isEmpty())
        return false;
    if (save_ && !DefaultExt.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += "." + DefaultExt;
    FileName = name;
    return true;
}
