#include "ShellIDList.h"

#include "ShellNamespace.h"

TShellIDList::TShellIDList(const TShellNamespace& Namespace, TItemIDList Parent, std::vector<TItemIDList> Items)
    : Namespace_(&Namespace), Parent_(std::move(Parent)), Items_(std::move(Items))
{}

TShellIDList TShellIDList::OfItem(const TShellNamespace& Namespace, const TItemIDList& Absolute)
{
    TItemIDList parent = ParentOfIDList(Absolute);
    return {Namespace, parent.IsNil() ? TItemIDList::Desktop() : std::move(parent), {LastItemOfIDList(Absolute)}};
}

void TShellIDList::SetParentIDList(TItemIDList Parent)
{
    Parent_ = std::move(Parent);
    Folder_.reset();
}

void TShellIDList::Clear()
{
    SetParentIDList({});
    Items_.clear();
}

std::shared_ptr<const TShellFolder> TShellIDList::ParentFolder() const
{
    if (!Folder_ && !Parent_.IsNil())
        Folder_ = IsDesktopIDList(Parent_) ? Namespace_->Desktop() : Namespace_->BindToObject(Parent_);
    return Folder_;
}

TItemIDList TShellIDList::AbsoluteIDList(int Index) const { return ConcatIDLists(Parent_, (*this)[Index]); }

uint32_t TShellIDList::Attributes() const
{
    const std::shared_ptr<const TShellFolder> folder = ParentFolder();
    if (!folder || Items_.empty())
        return 0;
    uint32_t attributes = SFGAO_CAPABILITYMASK;
    for (const TItemIDList& item : Items_)
        attributes &= folder->GetAttributesOf(item, SFGAO_CAPABILITYMASK);
    return attributes;
}

std::vector<std::string> TShellIDList::Paths() const
{
    const std::shared_ptr<const TShellFolder> folder = ParentFolder();
    std::vector<std::string> paths;
    for (const TItemIDList& item : Items_)
        paths.push_back(folder ? folder->ChildPath(item) : std::string());
    return paths;
}
