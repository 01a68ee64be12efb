#pragma once
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class TComponent;
class TgOPCItem;
class TgOPCItemManager;
class TgOPCLibrary;
class TgOPCManager;

// The two OPC items a channel binds (both with the property name "Data") and
// the OPC group manager of the channel's own, with the settings a channel
// publishes for them: item 0's computer, server, group, item name, rate,
// scale and AutoConnect, item 1's item name and scale. Without the support
// library the items stay inert. Both channel kinds carry it beside their
// channel base.
class TgPlotChannelOPCItems {
public:
    QString OPCComputerName() const;
    void SetOPCComputerName(const QString &Value);
    QString OPCServerName() const;
    void SetOPCServerName(const QString &Value);
    QString OPCGroupName() const;
    void SetOPCGroupName(const QString &Value);
    QString OPCItemName() const;
    void SetOPCItemName(const QString &Value);
    QString OPCItem2Name() const;
    void SetOPCItem2Name(const QString &Value);
    int OPCUpdateRate() const;
    void SetOPCUpdateRate(int Value);
    // Scale and offset are written straight into the items, without a repaint.
    double OPCScalar() const;
    void SetOPCScalar(double Value);
    double OPCOffset() const;
    void SetOPCOffset(double Value);
    double OPCScalar2() const;
    void SetOPCScalar2(double Value);
    double OPCOffset2() const;
    void SetOPCOffset2(double Value);
    bool OPCAutoConnect() const;
    void SetOPCAutoConnect(bool Value);
    bool OPCActive() const;      // item 0 subscribed
    bool OPCQualityGood() const; // item 0's last quality

    // Connects the channel's items as its kind does; nothing while the plot
    // is designed. Raises the support library's errors.
    virtual void OPCActivate() = 0;

    TgOPCManager *OPCManager() const { return FOPCManager.get(); }
    TgOPCItemManager *OPCItemManager() const { return FOPCItemManager.get(); }
    // The binding both managers use (the program's unless set; tests set a fake).
    void SetOPCLibrary(TgOPCLibrary *Library);

protected:
    // Owner: the plot that holds the channel (its design state stops the
    // items, its error state shows failed deliveries). The item manager has
    // no owner: the channel connects its items itself, so that a lone
    // AutoConnect switch does not subscribe item 0 outside the channel's
    // group. OnPair receives each delivery of the channel's group whose two
    // values are numbers.
    TgPlotChannelOPCItems(TComponent *Owner, std::function<void(double X, double Y)> OnPair);
    ~TgPlotChannelOPCItems();

    TgOPCItem *OPCItem(int Index) const;
    // After the channel's insertion: OPCActivate when OPCAutoConnect. A
    // server that refuses must not stop the channel (or the rest of a stored
    // plot) from loading: the plot shows the error state instead.
    void ConnectWhenAutoConnect();
    bool OPCDesigning() const;
    // Clears the groups and registers one named after Channel (as "%p" prints
    // its address) with item 0's computer, server and rate; returns its name.
    QString AddChannelGroup(const void *Channel);
    // Subscribes in item 0's group, item 1 joining it.
    void ActivateBothInGroup();
    // The plot shows (or stops showing) its error state for the channel.
    void ShowOPCError(bool Error);
    bool OPCErrorShown() const { return FOPCErrorShown; }
    // An item's value as a number: a value never received counts 0, text is
    // read with the program's number format; false for anything else.
    static bool OPCValueToDouble(const QVariant &Value, double &Result);

private:
    void DeliverPair();

    TComponent *FPlot;
    std::function<void(double, double)> FOnPair;
    std::unique_ptr<TgOPCManager> FOPCManager;
    std::unique_ptr<TgOPCItemManager> FOPCItemManager; // declared last: freed first
    bool FOPCErrorShown = false;     // the plot's error state is ours
    bool FOPCDeliveryFailed = false; // an item's value failed in this delivery
};
