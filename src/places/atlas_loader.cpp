#include "places/atlas_loader.h"

#include <QMetaObject>
#include <QThread>

namespace lunarys::places {

AtlasLoader::AtlasLoader(Source source, QObject* parent) : QObject(parent), source_(std::move(source)) {}

AtlasLoader::~AtlasLoader()
{
    // The worker posts its result to this object; it must be done before the
    // object goes (the posted call then dies with it, undelivered).
    if (worker_)
        worker_->wait();
}

void AtlasLoader::Start()
{
    if (worker_)
        return;
    worker_.reset(QThread::create([this] {
        std::shared_ptr<const Atlas> atlas = Atlas::Load(source_());
        QMetaObject::invokeMethod(
            this, [this, atlas = std::move(atlas)] { emit loaded(atlas); }, Qt::QueuedConnection);
    }));
    worker_->setObjectName(QStringLiteral("atlas loader"));
    worker_->start();
}

}  // namespace lunarys::places
