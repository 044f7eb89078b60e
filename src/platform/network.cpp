#include "platform/network.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkInterface>

#include "platform/hostpaths.h"

namespace harbex {
namespace {

QStringList VisibleFolders(const QString& hostFolder) {
    QStringList folders =
        QDir(hostFolder)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    return folders;
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
    switch (below->kind) {
        case NetResource::Kind::Provider:
            children->append({NetResource::Kind::Workgroup, WorkgroupName(), 2});
            return 0;
        case NetResource::Kind::Workgroup:
            for (const QString& server : VisibleFolders(root))
                children->append({NetResource::Kind::Server, QStringLiteral("\\\\") + server, 2});
            return 0;
        case NetResource::Kind::Server: {
            const QString server = below->remoteName.mid(2);
            for (const QString& share : VisibleFolders(root + u'/' + server))
                children->append({NetResource::Kind::Share, below->remoteName + u'\\' + share, 1});
            return 0;
        }
        case NetResource::Kind::Share:
            return kErrorNotContainer;
    }
    return kErrorNotContainer;
}

}  // namespace harbex
