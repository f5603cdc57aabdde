#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>

#include "places/atlas.h"

class QThread;

namespace lunarys::places {

// Loads the atlas on a worker thread so that a window never waits for it:
// the places from `source` (ReadGeoNamesPlaces), then their other names, codes
// and zone cities; loaded() is emitted in the loader's own thread once the
// atlas is built. Destroying the loader while it works waits for the worker to
// finish.
class AtlasLoader : public QObject {
    Q_OBJECT

public:
    using Source = std::function<std::vector<AtlasRecord>()>;

    explicit AtlasLoader(Source source, QObject* parent = nullptr);
    ~AtlasLoader() override;

    // Starts loading; a second call while loading, or after, does nothing.
    void Start();

signals:
    void loaded(std::shared_ptr<const lunarys::places::Atlas> atlas);

private:
    Source source_;
    std::unique_ptr<QThread> worker_;
};

}  // namespace lunarys::places
