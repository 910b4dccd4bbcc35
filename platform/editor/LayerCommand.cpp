// The host's "LAYER" command ("-LAYER"): repeated options until Enter; make, set, new, on,
// off and the list. The options' changes are kept pending and reach the drawing's layer
// table together when the command ends with Enter: a cancel at any prompt changes nothing,
// and a driven command run again over more items starts from the drawing as it was.
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/zced.h"
#include "editor/Entities.h"
#include "editor/Filter.h"
#include "editor/HostCommand.h"

namespace editor {

namespace {

// The layers the options have touched so far, as they will be once the command ends.
class LayerChanges {
public:
  explicit LayerChanges(ZcDbDatabase* db) : db_(db), current_(db->clayer()) {}

  // Makes the layer when it does not exist yet (pending), and with `makeCurrent` makes it
  // the current one; false for a name the rules refuse.
  bool Make(const std::wstring& name, bool makeCurrent) {
    Layer* layer = Find(name);
    if (!layer) {
      if (!ZcDbSymbolTableRecord::isValidName(name.c_str())) return false;
      layers_.push_back({name, ZcDbObjectId(), false, false});
      layer = &layers_.back();
      byName_[Upper(name)] = layer;
    }
    if (makeCurrent) SetCurrent(*layer);
    return true;
  }

  // Makes an existing (or already made) layer current; false when there is none of the name.
  bool Set(const std::wstring& name) {
    Layer* layer = Find(name);
    if (layer) SetCurrent(*layer);
    return layer != nullptr;
  }

  // Turns the layers whose names match the pattern on or off; the count matched.
  int Switch(const std::wstring& pattern, bool on) {
    int count = 0;
    for (ZcDbObjectId id : TableIds()) {
      Layer* layer = Existing(id);
      if (layer && WildcardMatch(pattern, layer->name)) {
        layer->off = !on;
        ++count;
      }
    }
    for (Layer& layer : layers_)
      if (layer.id.isNull() && WildcardMatch(pattern, layer.name)) {
        layer.off = !on;
        ++count;
      }
    return count;
  }

  // Lists the layers in table order, the new ones last, with their pending states.
  void List() {
    std::vector<const Layer*> shown;
    for (ZcDbObjectId id : TableIds())
      if (const Layer* layer = Existing(id)) shown.push_back(layer);
    for (const Layer& layer : layers_)
      if (layer.id.isNull()) shown.push_back(&layer);
    for (const Layer* layer : shown)
      zcutPrintf(L"\n  %s%s%s", layer->name, layer->off ? L" (off)" : L"", IsCurrent(*layer) ? L" (current)" : L"");
  }

  // Writes the pending changes into the drawing.
  void Apply() {
    ZcDbLayerTable* table = nullptr;
    if (db_->getLayerTable(table, ZcDb::kForWrite) != Zcad::eOk) throw CommandRejected{L"\nThe layers cannot be changed."};
    for (Layer& layer : layers_) {
      if (!layer.id.isNull()) {
        if (layer.off == layer.wasOff) continue;
        ZcDbLayerTableRecord* record = nullptr;
        if (zcdbOpenObject(record, layer.id, ZcDb::kForWrite) != Zcad::eOk) continue;
        record->setIsOff(layer.off);
        record->close();
        continue;
      }
      auto* record = new ZcDbLayerTableRecord();
      if (record->setName(layer.name.c_str()) != Zcad::eOk || table->add(layer.id, record) != Zcad::eOk) {
        delete record;
        zcutPrintf(L"\nInvalid layer name \"%s\".", layer.name);
        continue;
      }
      record->setIsOff(layer.off);
      record->close();
      if (newCurrent_ == &layer) current_ = layer.id;
    }
    table->close();
    if (!current_.isNull() && current_ != db_->clayer()) db_->setClayer(current_);
  }

private:
  struct Layer {
    std::wstring name;
    ZcDbObjectId id;  // null for a layer the command makes
    bool off = false;
    bool wasOff = false;  // as the drawing has it
  };

  static std::uint64_t Key(ZcDbObjectId id) { return (std::uint64_t(id.databaseSerial()) << 32) | id.slot(); }

  std::vector<ZcDbObjectId> TableIds() const {
    std::vector<ZcDbObjectId> ids;
    ZcDbLayerTable* table = nullptr;
    if (db_->getLayerTable(table, ZcDb::kForRead) != Zcad::eOk) return ids;
    for (ZcDbObjectId id : table->recordIds()) ids.push_back(id);
    table->close();
    return ids;
  }

  // The pending state of an existing layer, read from the drawing the first time.
  Layer* Existing(ZcDbObjectId id) {
    if (auto it = byId_.find(Key(id)); it != byId_.end()) return it->second;
    ZcDbLayerTableRecord* record = nullptr;
    if (zcdbOpenObject(record, id, ZcDb::kForRead) != Zcad::eOk) return nullptr;
    layers_.push_back({record->name(), id, record->isOff(), record->isOff()});
    record->close();
    return byId_[Key(id)] = &layers_.back();
  }

  // The layer of a name (without regard to case): a new one, else one of the drawing.
  Layer* Find(const std::wstring& name) {
    if (auto it = byName_.find(Upper(name)); it != byName_.end()) return it->second;
    ZcDbLayerTable* table = nullptr;
    ZcDbObjectId id;
    if (db_->getLayerTable(table, ZcDb::kForRead) == Zcad::eOk) {
      table->getAt(name.c_str(), id);
      table->close();
    }
    return id.isNull() ? nullptr : Existing(id);
  }

  void SetCurrent(const Layer& layer) {
    newCurrent_ = layer.id.isNull() ? &layer : nullptr;
    if (!layer.id.isNull()) current_ = layer.id;
  }
  bool IsCurrent(const Layer& layer) const {
    return newCurrent_ ? newCurrent_ == &layer : !layer.id.isNull() && layer.id == current_;
  }

  ZcDbDatabase* db_;
  ZcDbObjectId current_;
  const Layer* newCurrent_ = nullptr;  // a new layer made current
  std::deque<Layer> layers_;           // a deque: the maps below point into it
  std::unordered_map<std::wstring, Layer*> byName_;  // new layers by upper-case name
  std::unordered_map<std::uint64_t, Layer*> byId_;   // existing layers by id
};

void Layer(CommandLine& line) {
  ZcDbDatabase* db = Drawing();
  if (!db) throw CommandRejected{L"\nThere is no drawing."};
  LayerChanges changes(db);
  for (;;) {
    std::wstring option =
        line.Keyword(L"\nEnter an option [?/Make/Set/New/ON/OFF]: ", L"? Make Set New ON OFF", L"Done");
    if (option == L"Done") break;
    if (option == L"?") {
      changes.List();
      continue;
    }
    std::wstring name = Trim(line.Text(option == L"Make"  ? L"\nEnter name for new layer (becomes the current layer): "
                                       : option == L"Set" ? L"\nEnter layer name to make current: "
                                       : option == L"New" ? L"\nEnter name list for new layer(s): "
                                                          : L"\nEnter name list of layer(s) to turn " + Lower(option) + L": "));
    if (name.empty()) continue;
    if (option == L"ON" || option == L"OFF") {
      if (changes.Switch(name, option == L"ON") == 0) zcutPrintf(L"\nNo matching layer found for \"%s\".", name);
    } else if (option == L"Set") {
      if (!changes.Set(name)) zcutPrintf(L"\nCannot find layer \"%s\".", name);
    } else {
      for (std::size_t start = 0; start <= name.size();) {  // "New" takes a comma list
        std::size_t comma = option == L"New" ? name.find(L',', start) : std::wstring::npos;
        std::wstring one = Trim(name.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (!one.empty() && !changes.Make(one, option == L"Make")) zcutPrintf(L"\nInvalid layer name \"%s\".", one);
        if (comma == std::wstring::npos) break;
        start = comma + 1;
      }
    }
  }
  changes.Apply();
}

}  // namespace

void AddLayerCommands(std::vector<HostCommand>& table) {
  table.push_back({L"LAYER", &Layer});
  table.push_back({L"-LAYER", &Layer});
}

}  // namespace editor
