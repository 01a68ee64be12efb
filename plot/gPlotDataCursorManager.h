#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotChannelManager;
class TgPlotDataCursor;
class TgPlotDataViewManager;

// The plot's data cursors, named "Cursor N"; one named here reads channel 0
// in data view 0.
class TgPlotDataCursorManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Cursor"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotDataCursor *GetItem(int Index) const;

    TgPlotChannelManager *ChannelManager() const { return FChannelManager; }
    void SetChannelManager(TgPlotChannelManager *Value) { FChannelManager = Value; }
    TgPlotDataViewManager *DataViewManager() const { return FDataViewManager; }
    void SetDataViewManager(TgPlotDataViewManager *Value) { FDataViewManager = Value; }

private:
    TgPlotChannelManager *FChannelManager = nullptr;
    TgPlotDataViewManager *FDataViewManager = nullptr;
};
