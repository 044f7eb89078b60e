#pragma once

#include <QList>
#include <QString>

namespace harbex {

class HostPaths;

// One node of the network tree. usage follows the original system: 1 connectable (a share),
// 2 container (provider, workgroup, server).
struct NetResource {
    enum class Kind { Provider, Workgroup, Server, Share };
    Kind kind = Kind::Provider;
    QString remoteName;
    int usage = 2;
};

// The office network as this machine sees it: the folders below the network root are the
// servers and the folders below each server its shares. One provider and one workgroup stand
// above the servers, as on the original network; an empty network root has no workgroup, and a
// root holding no folder has a workgroup without servers. A folder that cannot be listed is an
// enumeration error, and one that does not answer in time is too, so nothing here hangs.
class Network {
  public:
    explicit Network(const HostPaths& paths) : paths_(paths) {}
    virtual ~Network() = default;

    // Whether any network interface other than loopback is up.
    virtual bool isPresent() const;

    // Opens an enumeration below a resource (nullptr for the top of the network) and returns the
    // children. Returns 0 or the system's error number: 1222 no network, 1207 not a container,
    // 5 a folder that cannot be listed, 121 no answer in time.
    virtual int enumerate(const NetResource* below, QList<NetResource>* children) const;

    static constexpr int kErrorNoNetwork = 1222;
    static constexpr int kErrorNotContainer = 1207;
    static constexpr int kErrorAccessDenied = 5;
    static constexpr int kErrorTimeout = 121;
    static const QString& ProviderName();
    static const QString& WorkgroupName();

  private:
    const HostPaths& paths_;
};

}  // namespace harbex
