#pragma once
// The map model: named layers, each with a presenter store (how objects
// look) and an object store (what is drawn). No drawing happens here; a
// renderer paints the model and a widget owns the view.
//
// Object lifetime: a geographic object registers itself with an object store
// in its constructor and unregisters in its destructor. Its owner (a ship,
// for example) frees it; the store only lists it. When a store dies first it
// detaches its objects, so a later destructor never touches a dead store.
//
// Positions: chain points are absolute geographic points. An object also
// keeps a stored position: SetPosition() moves every chain point by the
// change and stores the new position, and Centroid() returns the stored
// position. An object never given a position reports the mean of chain 0
// (or (0, 0, 0) when that is empty). Rebuilding a ship's outline around its
// position therefore never moves the ship.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "map/GeoTypes.h"

// A colour in the 00BBGGRR notation of the data files.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TBrushStyle : std::uint8_t { bsSolid, bsClear };
enum TTitleAlignment : std::uint8_t { taLeft, taRight, taCenter };
// Pixel: screen pixels whatever the zoom; Meter: a length on the ground.
enum class TGeoUnit : std::uint8_t { Pixel, Meter };

struct TTitleFont {
    TGeoUnit FontUnit = TGeoUnit::Pixel;
    std::int32_t FontSize = 10;
};

struct TPolyPen {
    TColor PenColor = clBlack;
    TPenStyle PenStyle = psSolid;
    std::int32_t PenWidth = 1;
    TGeoUnit PenUnit = TGeoUnit::Pixel;
};

struct TPolyBrush {
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
};

class TPresenter {
public:
    virtual ~TPresenter() = default;
    std::string Name;
    std::int32_t PresenterID = 0; // given when added to a layer; 0 = none
    TTitleFont TitleFont;
    TTitleAlignment TitleAlignment = taLeft;
    std::int32_t TitleOffset = 0;
};

// Open lines (and the outline of anything not filled).
class TPolyPresenter : public TPresenter {
public:
    TPolyPen PolyPen;
};

// Closed, filled shapes.
class TPolygonPresenter : public TPolyPresenter {
public:
    TPolyBrush PolyBrush;
};

// One chain of points of an object.
struct TGeoChain {
    std::vector<TGeoPoint> Points;
    bool StoreHeight = false;
    int Count() const { return static_cast<int>(Points.size()); }
    void Add(const TGeoPoint& p) { Points.push_back(p); }
    void Clear() { Points.clear(); }
    TGeoPoint& operator[](int i) { return Points[static_cast<size_t>(i)]; }
    const TGeoPoint& operator[](int i) const { return Points[static_cast<size_t>(i)]; }
};

class TGeoObjectStore;

class TGeoDataObject {
public:
    // Registers with the store (none: an object that is on no map).
    explicit TGeoDataObject(TGeoObjectStore* store);
    virtual ~TGeoDataObject();
    TGeoDataObject(const TGeoDataObject&) = delete;
    TGeoDataObject& operator=(const TGeoDataObject&) = delete;

    bool Hidden = false;
    bool Closed = false;
    std::int32_t PresenterID = 0;
    std::string Title;
    std::vector<TGeoChain> Chains;

    // Chain i, created (with any chains before it) when missing.
    TGeoChain& Chain(int i);
    // Chain i or none; never creates.
    const TGeoChain* FindChain(int i) const;
    int ChainCount() const { return static_cast<int>(Chains.size()); }

    TGeoPoint Centroid() const;
    void SetPosition(const TGeoPoint& p);
    bool HasPosition() const { return hasPosition_; }

    TGeoObjectStore* Store() const { return store_; }

private:
    friend class TGeoObjectStore;
    TGeoObjectStore* store_ = nullptr;
    TGeoPoint position_;
    bool hasPosition_ = false;
};

// The objects of a layer, in creation order. Does not own them.
class TGeoObjectStore {
public:
    TGeoObjectStore() = default;
    ~TGeoObjectStore();
    TGeoObjectStore(const TGeoObjectStore&) = delete;
    TGeoObjectStore& operator=(const TGeoObjectStore&) = delete;

    int Count() const { return static_cast<int>(objects_.size()); }
    TGeoDataObject* Item(int i) const;               // none outside 0 .. Count()-1
    int IndexOf(const TGeoDataObject* object) const; // -1 when absent

    void Register(TGeoDataObject* object);
    void Unregister(TGeoDataObject* object);

private:
    std::vector<TGeoDataObject*> objects_;
};

class TMap;

class TMapLayer {
public:
    TMapLayer(TMap* map, std::string name);
    std::string Name;
    bool Visible = true;

    // Presenter store.
    int PresenterCount() const { return static_cast<int>(presenters_.size()); }
    TPresenter* Presenter(int i) const; // none outside the store
    // Adds the presenter, gives it a PresenterID unique within the map and
    // returns it.
    TPresenter* AddPresenter(std::unique_ptr<TPresenter> presenter);
    // First presenter whose Name equals name exactly, or none.
    TPresenter* FindPresenter(const std::string& name) const;
    TPresenter* PresenterByID(std::int32_t id) const;

    // Object store, created on first use.
    TGeoObjectStore& Objects();
    // The object store or none when it was never asked for.
    TGeoObjectStore* ObjectsIfAny() const { return objects_.get(); }

    TMap* Map() const { return map_; }

private:
    TMap* map_;
    std::vector<std::unique_ptr<TPresenter>> presenters_;
    std::unique_ptr<TGeoObjectStore> objects_;
    std::int32_t ownNextID_ = 1;
};

// The map model (the map control without its view).
class TMap {
public:
    TMap() = default;
    TMap(const TMap&) = delete;
    TMap& operator=(const TMap&) = delete;

    // The layer of that name (exact), created and named when missing.
    TMapLayer& LayerByName(const std::string& name);
    TMapLayer* FindLayer(const std::string& name) const;
    int LayerCount() const { return static_cast<int>(layers_.size()); }
    TMapLayer* Layer(int i) const;

    TPresenter* FindPresenterByID(std::int32_t id) const;
    std::int32_t NextPresenterID() { return nextPresenterID_++; }

    // Bumped by MarkChanged(); views repaint when it moves.
    std::uint64_t Revision() const { return revision_; }
    void MarkChanged() { ++revision_; }

private:
    std::vector<std::unique_ptr<TMapLayer>> layers_;
    std::int32_t nextPresenterID_ = 1;
    std::uint64_t revision_ = 0;
};

// Layer names shared by the ship code.
inline const char* const kShipLayerName = "ShipLayer";
inline const char* const kSmokeLayerName = "SmokeLayer";
