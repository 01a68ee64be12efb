#pragma once
#include "EditorCurves.h"
#include "Form.h"
#include "LUnitControl.h"
#include "PageHost.h"

#include <QHash>
#include <memory>
#include <utility>
#include <vector>

// A page host without the main window: a plain form owns the controls, the
// model has no link, captions are their keys. A test that gives the model a
// host (model.SetHost) receives the pages' own commands there too.
class FakePageHost : public PageHost {
public:
    FakePageHost() : form(new TForm(nullptr)) { form->SetBounds(0, 0, 1108, 668); }
    ~FakePageHost() override
    {
        curves.reset();
        delete form;
    }

    TComponent *ControlOwner() override { return form; }
    TControl *FindControl(const QString &Name) const override { return byName.value(Name.toUpper(), nullptr); }
    void RegisterControl(TControl *Control) override { byName.insert(Control->Name().toUpper(), Control); }
    LUnitControl &Model() override { return model; }
    bool IsUpdatingControls() const override { return updating; }
    void SendCommand(const LCmd &Cmd, bool Append) override
    {
        if (unitHost)
            unitHost->SendCommand(Cmd, Append);
    }
    uint8_t DeviceId() const override { return 1; }
    EditorCurves &Curves() override
    {
        if (!curves)
            curves = std::make_unique<EditorCurves>(*this);
        return *curves;
    }
    void SetUpdatingControls(bool On) override { updating = On; }
    bool IsBuildingPages() const override { return building; }
    void ShowEqReset(int Target) override { eqResetTargets.push_back(Target); }
    int MatrixRowPitch() const override { return rowPitch; }
    QString TranslateQ(const char *Sid) const override { return QString::fromLatin1(Sid); }
    bool IsEnglish() const override { return true; }
    int CurrentPage() const override { return currentPage; }
    void SetCurrentPage(int Page) override { currentPage = Page; }
    void GrantExtraResend() override { ++extraResends; }
    void PageShown(int Page, int Shown) override { shown.push_back({Page, Shown}); }
    void ShowChannelName(int Channel) override { nameDialogs.push_back(Channel); }

    TForm *form;
    LUnitControl model;
    LUnitHost *unitHost = nullptr;
    bool updating = false;
    bool building = false;
    std::vector<int> eqResetTargets; // the EQ reset confirmations asked for
    int rowPitch = 0;
    int currentPage = 14;
    int extraResends = 0;
    std::vector<std::pair<int, int>> shown; // (page, shown channel) of each PageShown
    std::vector<int> nameDialogs;           // channel of each name dialog opened

private:
    QHash<QString, TControl *> byName;
    std::unique_ptr<EditorCurves> curves;
};
