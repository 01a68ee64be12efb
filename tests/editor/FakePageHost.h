#pragma once
#include "Form.h"
#include "LUnitControl.h"
#include "PageHost.h"

#include <QHash>

// A page host without the main window: a plain form owns the controls, the
// model has no link, captions are their keys.
class FakePageHost : public PageHost {
public:
    FakePageHost() : form(new TForm(nullptr)) { form->SetBounds(0, 0, 1108, 668); }
    ~FakePageHost() override { delete form; }

    TComponent *ControlOwner() override { return form; }
    TControl *FindControl(const QString &Name) const override { return byName.value(Name.toUpper(), nullptr); }
    void RegisterControl(TControl *Control) override { byName.insert(Control->Name().toUpper(), Control); }
    LUnitControl &Model() override { return model; }
    bool IsUpdatingControls() const override { return updating; }
    QString TranslateQ(const char *Sid) const override { return QString::fromLatin1(Sid); }
    bool IsEnglish() const override { return true; }

    TForm *form;
    LUnitControl model;
    bool updating = false;

private:
    QHash<QString, TControl *> byName;
};
