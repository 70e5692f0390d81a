// The live shell controls of one namespace, and the volume changes they
// all follow: while any control is listed, the mount table is watched,
// and a volume that is mounted or unmounted is told to every control.
#pragma once

#include "ShellIDFunc.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TShellNamespace;

// What a shell control offers the list.
class IShellControl {
public:
    virtual void QueueDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList,
                                   uint16_t Kind) = 0;

protected:
    ~IShellControl() = default;
};

class TShellCtrlList {
public:
    explicit TShellCtrlList(TShellNamespace& Namespace);
    ~TShellCtrlList();
    TShellCtrlList(const TShellCtrlList&) = delete;
    TShellCtrlList& operator=(const TShellCtrlList&) = delete;

    // The first control reads the mount table again and starts watching
    // it, the last one gone stops it.
    void Add(IShellControl* Control);
    void Remove(IShellControl* Control);
    size_t Count() const { return Controls_.size(); }

    void NotifyDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList, uint16_t Kind);
    // Reads the mount table again; the namespace takes the new volumes and
    // every volume gone, then every volume come, is told to the controls.
    // Kind 1 for a device's volume ("label (mount point)" on arrival,
    // " (mount point)" on removal), kind 2 for a network volume.
    void Rescan();

private:
    struct TMonitor;
    TShellNamespace& Namespace_;
    std::vector<IShellControl*> Controls_;
    std::unique_ptr<TMonitor> Monitor_;
};
