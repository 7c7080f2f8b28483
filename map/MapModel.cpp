#include "map/MapModel.h"

#include <algorithm>
#include <cmath>

// ---- TGeoDataObject -----------------------------------------------------------

TGeoDataObject::TGeoDataObject(TGeoObjectStore* store) {
    if (store) store->Register(this);
}

TGeoDataObject::~TGeoDataObject() {
    if (store_) store_->Unregister(this);
}

TGeoChain& TGeoDataObject::Chain(int i) {
    if (i < 0) i = 0;
    if (static_cast<size_t>(i) >= Chains.size()) Chains.resize(static_cast<size_t>(i) + 1);
    return Chains[static_cast<size_t>(i)];
}

const TGeoChain* TGeoDataObject::FindChain(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= Chains.size()) return nullptr;
    return &Chains[static_cast<size_t>(i)];
}

TGeoPoint TGeoDataObject::Centroid() const {
    if (hasPosition_) return position_;
    const TGeoChain* c = FindChain(0);
    if (!c || c->Count() == 0) return position_;
    long double lon = 0, lat = 0, height = 0;
    for (const auto& p : c->Points) {
        lon += p.Lon;
        lat += p.Lat;
        height += p.Height;
    }
    const long double n = c->Count();
    // Rounding by floor(x + 0.5) keeps the mean of a moved chain moving with it.
    TGeoPoint m;
    m.Lon = static_cast<std::int32_t>(std::floor(lon / n + 0.5L));
    m.Lat = static_cast<std::int32_t>(std::floor(lat / n + 0.5L));
    m.Height = static_cast<std::int32_t>(std::floor(height / n + 0.5L));
    return m;
}

void TGeoDataObject::SetPosition(const TGeoPoint& p) {
    const TGeoPoint old = Centroid();
    const std::int64_t dLon = static_cast<std::int64_t>(p.Lon) - old.Lon;
    const std::int64_t dLat = static_cast<std::int64_t>(p.Lat) - old.Lat;
    auto shift = [](std::int32_t v, std::int64_t d) {
        std::int64_t r = v + d;
        r = std::clamp<std::int64_t>(r, INT32_MIN, INT32_MAX);
        return static_cast<std::int32_t>(r);
    };
    for (auto& chain : Chains)
        for (auto& q : chain.Points) {
            q.Lon = shift(q.Lon, dLon);
            q.Lat = shift(q.Lat, dLat);
        }
    position_ = p;
    hasPosition_ = true;
}

// ---- TGeoObjectStore ----------------------------------------------------------

TGeoObjectStore::~TGeoObjectStore() {
    for (auto* o : objects_) o->store_ = nullptr;
}

TGeoDataObject* TGeoObjectStore::Item(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= objects_.size()) return nullptr;
    return objects_[static_cast<size_t>(i)];
}

int TGeoObjectStore::IndexOf(const TGeoDataObject* object) const {
    auto it = std::find(objects_.begin(), objects_.end(), object);
    return it == objects_.end() ? -1 : static_cast<int>(it - objects_.begin());
}

void TGeoObjectStore::Register(TGeoDataObject* object) {
    if (!object || object->store_ == this) return;
    if (object->store_) object->store_->Unregister(object);
    objects_.push_back(object);
    object->store_ = this;
}

void TGeoObjectStore::Unregister(TGeoDataObject* object) {
    auto it = std::find(objects_.begin(), objects_.end(), object);
    if (it != objects_.end()) objects_.erase(it);
    if (object && object->store_ == this) object->store_ = nullptr;
}

// ---- TMapLayer ------------------------------------------------------------------

TMapLayer::TMapLayer(TMap* map, std::string name) : Name(std::move(name)), map_(map) {}

TPresenter* TMapLayer::Presenter(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= presenters_.size()) return nullptr;
    return presenters_[static_cast<size_t>(i)].get();
}

TPresenter* TMapLayer::AddPresenter(std::unique_ptr<TPresenter> presenter) {
    if (!presenter) return nullptr;
    presenter->PresenterID = map_ ? map_->NextPresenterID() : ownNextID_++;
    presenters_.push_back(std::move(presenter));
    return presenters_.back().get();
}

TPresenter* TMapLayer::FindPresenter(const std::string& name) const {
    for (const auto& p : presenters_)
        if (p->Name == name) return p.get();
    return nullptr;
}

TPresenter* TMapLayer::PresenterByID(std::int32_t id) const {
    for (const auto& p : presenters_)
        if (p->PresenterID == id) return p.get();
    return nullptr;
}

TGeoObjectStore& TMapLayer::Objects() {
    if (!objects_) objects_ = std::make_unique<TGeoObjectStore>();
    return *objects_;
}

// ---- TMap -------------------------------------------------------------------------

TMapLayer& TMap::LayerByName(const std::string& name) {
    if (TMapLayer* l = FindLayer(name)) return *l;
    layers_.push_back(std::make_unique<TMapLayer>(this, name));
    return *layers_.back();
}

TMapLayer* TMap::FindLayer(const std::string& name) const {
    for (const auto& l : layers_)
        if (l->Name == name) return l.get();
    return nullptr;
}

TMapLayer* TMap::Layer(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= layers_.size()) return nullptr;
    return layers_[static_cast<size_t>(i)].get();
}

TPresenter* TMap::FindPresenterByID(std::int32_t id) const {
    for (const auto& l : layers_)
        if (TPresenter* p = l->PresenterByID(id)) return p;
    return nullptr;
}
