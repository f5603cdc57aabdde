#pragma once

#include <memory>

#include <QObject>

#include "places/atlas.h"

class QThread;

namespace lunarys::places {

// Loads the atlas on a worker thread so that a window never waits for it:
// loaded() is emitted in the loader's own thread once the atlas is built.
// Destroying the loader while it works waits for the worker to finish.
class AtlasLoader : public QObject {
    Q_OBJECT

public:
    explicit AtlasLoader(QObject* parent = nullptr);
    ~AtlasLoader() override;

    // Starts loading; a second call while loading, or after, does nothing.
    void Start();

signals:
    void loaded(std::shared_ptr<const lunarys::places::Atlas> atlas);

private:
    std::unique_ptr<QThread> worker_;
};

}  // namespace lunarys::places
