#include "platform/network.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkInterface>

#include "platform/deadline.h"
#include "platform/hostpaths.h"

namespace harbex {
namespace {

// The visible entries of a host folder (folders only, or anything), or the system's error number.
// A server folder may be a mount whose server stopped answering, so the listing has a limit.
int ListEntries(const QString& hostFolder, bool foldersOnly, QStringList* names) {
    const auto listed = RunWithDeadline<std::optional<QStringList>>(
        [hostFolder, foldersOnly]() -> std::optional<QStringList> {
            QDir dir(hostFolder);
            if (!dir.isReadable()) return std::nullopt;
            const QDir::Filters filter =
                (foldersOnly ? QDir::Dirs : QDir::AllEntries) | QDir::NoDotAndDotDot;
            return dir.entryList(filter, QDir::Name | QDir::IgnoreCase);
        });
    if (!listed) return Network::kErrorTimeout;
    if (!*listed) return Network::kErrorAccessDenied;
    *names = **listed;
    return 0;
}

}  // namespace

const QString& Network::ProviderName() {
    static const QString name = QStringLiteral("Microsoft Windows Network");
    return name;
}

const QString& Network::WorkgroupName() {
    static const QString name = QStringLiteral("WORKGROUP");
    return name;
}

bool Network::isPresent() const {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

int Network::enumerate(const NetResource* below, QList<NetResource>* children) const {
    children->clear();
    const QString root = paths_.networkRoot();
    if (root.isEmpty() || !QFileInfo(root).isDir()) return kErrorNoNetwork;
    if (!below) {
        children->append({NetResource::Kind::Provider, ProviderName(), 2});
        return 0;
    }
    QStringList names;
    switch (below->kind) {
        case NetResource::Kind::Provider: {
            // An empty network root is a network without any domain or workgroup.
            const int error = ListEntries(root, false, &names);
            if (error == 0 && !names.isEmpty())
                children->append({NetResource::Kind::Workgroup, WorkgroupName(), 2});
            return error;
        }
        case NetResource::Kind::Workgroup: {
            const int error = ListEntries(root, true, &names);
            for (const QString& server : names)
                children->append({NetResource::Kind::Server, QStringLiteral("\\\\") + server, 2});
            return error;
        }
        case NetResource::Kind::Server: {
            const int error = ListEntries(root + u'/' + below->remoteName.mid(2), true, &names);
            for (const QString& share : names)
                children->append({NetResource::Kind::Share, below->remoteName + u'\\' + share, 1});
            return error;
        }
        case NetResource::Kind::Share:
            return kErrorNotContainer;
    }
    return kErrorNotContainer;
}

}  // namespace harbex
