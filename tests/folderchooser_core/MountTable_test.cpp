#include "MountTable.h"
#include "ShDirWatcher.h"
#include "ShellCtrlList.h"
#include "TempNamespace.h"

#include <gtest/gtest.h>

namespace {

TEST(MountTable, ParsesEscapedFieldsAndOptionalTags)
{
    const auto mounts =
        ParseMountInfo("21 1 8:1 / / rw shared:1 - ext4 /dev/vda rw\n"
                       "bad line\n"
                       "40 21 8:17 / /media/me/MY\\040DISK rw,nosuid shared:5 master:2 - vfat /dev/sdb1 rw\n"
                       "41 21 0:50 / /mnt/nas rw - nfs4 server:/export rw");
    ASSERT_EQ(mounts.size(), 3u);
    EXPECT_EQ(std::tie(mounts[1].MountPoint, mounts[1].FsType, mounts[1].Source),
              std::tuple("/media/me/MY DISK", "vfat", "/dev/sdb1"));
    EXPECT_EQ(mounts[2].Source, "server:/export");
}

TEST(MountTable, ListsTheRootFirstThenDevicesBelowTheMediaRootsAndNetworkVolumes)
{
    const std::vector<TMountEntry> mounts = {{"/boot", "/dev/vda1", "ext4"},   {"/media/usb", "/dev/sdb1", "vfat"},
                                             {"/", "/dev/vda2", "ext4"},       {"/srv/nas", "nas:/x", "cifs"},
                                             {"/media/ram", "tmpfs", "tmpfs"}, {"/media/usb", "/dev/sdc1", "vfat"}};
    const auto volumes = ListVolumes(mounts, {"/media"}, {{"/dev/sdc1", "STICK"}});
    // The later mount on one point hides the earlier one.
    EXPECT_EQ(volumes, (std::vector<TVolume>{{"/", "/dev/vda2", TVolumeKind::Fixed, ""},
                                             {"/srv/nas", "nas:/x", TVolumeKind::Network, ""},
                                             {"/media/usb", "/dev/sdc1", TVolumeKind::Removable, "STICK"}}));
}

TEST(MountTable, DiffsAndLabelCase)
{
    const TVolume usb{"/media/usb", "/dev/sdb1", TVolumeKind::Removable, "A"};
    const TVolume other{"/media/usb", "/dev/sdc1", TVolumeKind::Removable, ""};
    TVolume relabelled = usb;
    relabelled.Label = "B";
    EXPECT_TRUE(DiffVolumes({usb}, {relabelled}).Arrived.empty());
    const TVolumeChanges swapped = DiffVolumes({usb}, {other});
    ASSERT_EQ(swapped.Removed.size(), 1u);
    ASSERT_EQ(swapped.Arrived.size(), 1u);
    EXPECT_EQ(swapped.Arrived[0].Source, "/dev/sdc1");

    EXPECT_EQ(GetVolumeLabel("MY DISK"), "My disk");
    EXPECT_EQ(GetVolumeLabel("\xE3\x83\x87"
                             "ATA"),
              "\xE3\x83\x87"
              "ata");
    EXPECT_EQ(GetVolumeLabel(""), "");
}

struct TRecordedChange {
    std::string Text;
    uint32_t EventType;
    TItemIDList IDList;
    uint16_t Kind;
    bool operator==(const TRecordedChange&) const = default;
};

class TRecorder final : public IShellControl {
public:
    std::vector<TRecordedChange> Changes;
    void QueueDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList, uint16_t Kind) override
    {
        Changes.push_back({Text.toStdString(), EventType, IDList, Kind});
    }
};

TEST(ShellCtrlList, MountTableChangesReachEveryControlAsArrivalsAndRemovals)
{
    TTempNamespace temp;
    temp.Label("MY\\x20DISK", "/dev/sdb1");
    const auto ns = temp.Make();
    TRecorder first, second;
    ns->Controls().Add(&first);
    ns->Controls().Add(&second);

    temp.Mount({{"USB", "/dev/sdb1", "vfat"}, {"NAS", "nas:/x", "nfs"}});
    ns->Controls().Rescan();
    const std::string usb = temp.Root + "/media/USB";
    const TRecordedChange usbArrived{"My disk (" + usb + ")", DBT_DEVICEARRIVAL, TShellNamespace::VolumeIDList(usb), 1};
    const TRecordedChange networkArrived{"", DBT_DEVICEARRIVAL, {}, 2};
    EXPECT_EQ(first.Changes, (std::vector{usbArrived, networkArrived}));
    EXPECT_NE(ns->VolumeAt(usb), nullptr);

    ns->Controls().Remove(&second);
    temp.Mount({{"NAS", "nas:/x", "nfs"}});
    ns->Controls().Rescan();
    ASSERT_EQ(first.Changes.size(), 3u);
    EXPECT_EQ(std::pair(first.Changes[2].Text, first.Changes[2].EventType),
              std::pair(" (" + usb + ")", uint32_t{DBT_DEVICEREMOVECOMPLETE}));
    EXPECT_EQ(second.Changes.size(), 2u);
    EXPECT_EQ(ns->VolumeAt(usb), nullptr);
    ns->Controls().Remove(&first);
}

} // namespace
