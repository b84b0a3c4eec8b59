#include "platform/rtl/ClassRegistry.h"

#include "platform/rtl/StringList.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace marivo {

namespace {

std::vector<std::string> LinesOf(const TStrings& strings) {
  std::vector<std::string> lines;
  for (int i = 0; i < strings.Count(); ++i)
    lines.push_back(strings.Strings(i));
  return lines;
}

void SetLines(TStrings& strings, const std::vector<std::string>& lines) {
  strings.BeginUpdate();
  try {
    strings.Clear();
    for (const std::string& line : lines)
      strings.Add(line);
  } catch (...) {
    strings.EndUpdate();
    throw;
  }
  strings.EndUpdate();
}

class TRegistry {
public:
  TRegistry() { AddRtlClasses(); }

  TClassInfo& Add(TClassDescription description) {
    const std::string key = UpperCase(description.Name);
    if (ByName_.count(key) != 0)
      throw EComponentError("Class " + description.Name + " is already registered");
    if (description.Type && ByType_.count(*description.Type) != 0)
      throw EComponentError("Class " + description.Name + " is registered under another name");
    Classes_.push_back(std::make_unique<TClassInfo>(std::move(description)));
    TClassInfo& info = *Classes_.back();
    ByName_[key] = &info;
    if (info.Description().Type)
      ByType_.emplace(*info.Description().Type, &info);
    // Only parents named by text can loop; C++ inheritance cannot.
    if (!info.Description().ParentName.empty() && HasLoop(info)) {
      const std::string name = info.Name();
      Remove(info);
      throw EComponentError("Class " + name + " would be its own ancestor");
    }
    return info;
  }

  const TClassInfo* ByName(const std::string& name) const {
    const auto found = ByName_.find(UpperCase(name));
    return found == ByName_.end() ? nullptr : found->second;
  }

  const TClassInfo* ByType(std::type_index type) const {
    const auto found = ByType_.find(type);
    return found == ByType_.end() ? nullptr : found->second;
  }

  // The most derived registered class the object is an instance of.
  const TClassInfo* NearestOf(const TObject& object) const {
    if (const TClassInfo* exact = ByType(typeid(object)))
      return exact;
    const TClassInfo* best = nullptr;
    int bestDepth = -1;
    for (const auto& info : Classes_) {
      const auto& isInstance = info->Description().IsInstance;
      if (!isInstance || !isInstance(object))
        continue;
      const int depth = Depth(*info);
      if (depth > bestDepth) {
        best = info.get();
        bestDepth = depth;
      }
    }
    return best;
  }

private:
  static int Depth(const TClassInfo& info) {
    int depth = 0;
    for (const TClassInfo* parent = info.Parent(); parent != nullptr; parent = parent->Parent())
      ++depth;
    return depth;
  }

  bool HasLoop(const TClassInfo& info) const {
    std::size_t steps = 0;
    for (const TClassInfo* parent = info.Parent(); parent != nullptr; parent = parent->Parent()) {
      if (parent == &info || ++steps > Classes_.size())
        return true;
    }
    return false;
  }

  void Remove(const TClassInfo& info) {
    ByName_.erase(UpperCase(info.Name()));
    if (info.Description().Type)
      ByType_.erase(*info.Description().Type);
    Classes_.erase(std::find_if(Classes_.begin(), Classes_.end(),
                                [&](const auto& entry) { return entry.get() == &info; }));
  }

  template <class T, class TParent> TClassBuilder<T> AddRtl(const std::string& name) {
    TComponentFactory factory;
    if constexpr (std::is_constructible_v<T, TComponent*>)
      factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return TClassBuilder<T>(Add(detail::Describe<T, TParent>(name, factory)));
  }

  void AddRtlClasses() {
    TClassDescription root;
    root.Name = "TObject";
    root.Type = std::type_index(typeid(TObject));
    root.IsInstance = [](const TObject&) { return true; };
    Add(std::move(root));
    AddRtl<TPersistent, TObject>("TPersistent");
    AddRtl<TComponent, TPersistent>("TComponent")
        .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
    AddRtl<TCollection, TPersistent>("TCollection");
    AddRtl<TCollectionItem, TPersistent>("TCollectionItem");
    AddRtl<TStrings, TPersistent>("TStrings").List("Strings", LinesOf, SetLines);
    AddRtl<TStringList, TStrings>("TStringList");
  }

  std::vector<std::unique_ptr<TClassInfo>> Classes_;
  std::map<std::string, TClassInfo*> ByName_;
  std::unordered_map<std::type_index, TClassInfo*> ByType_;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

} // namespace

TClassInfo::TClassInfo(TClassDescription description) : Description_(std::move(description)) {}

const TClassInfo* TClassInfo::Parent() const {
  if (!Description_.ParentName.empty())
    return Registry().ByName(Description_.ParentName);
  if (Description_.ParentType)
    return Registry().ByType(*Description_.ParentType);
  return nullptr;
}

bool TClassInfo::InheritsFrom(const std::string& className) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->Parent())
    if (SameText(info->Name(), className))
      return true;
  return false;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
  if (!Description_.Factory)
    throw EComponentError("Class " + Name() + " cannot be created");
  return Description_.Factory(owner);
}

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->Parent())
    for (const auto& property : info->Properties_)
      if (SameText(property->Name, name))
        return property.get();
  return nullptr;
}

std::vector<const TPropertyInfo*> TClassInfo::Properties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* info = this; info != nullptr; info = info->Parent())
    chain.push_back(info);
  std::vector<const TPropertyInfo*> properties;
  for (auto info = chain.rbegin(); info != chain.rend(); ++info) {
    for (const auto& property : (*info)->Properties_) {
      auto inherited = std::find_if(properties.begin(), properties.end(), [&](const auto* p) {
        return SameText(p->Name, property->Name);
      });
      if (inherited == properties.end())
        properties.push_back(property.get());
      else
        *inherited = property.get();
    }
  }
  return properties;
}

const THandlerInfo* TClassInfo::FindHandler(const std::string& name) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->Parent())
    for (const THandlerInfo& handler : info->Handlers_)
      if (SameText(handler.Name, name))
        return &handler;
  return nullptr;
}

std::vector<const TFieldInfo*> TClassInfo::Fields() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* info = this; info != nullptr; info = info->Parent())
    chain.push_back(info);
  std::vector<const TFieldInfo*> fields;
  for (auto info = chain.rbegin(); info != chain.rend(); ++info)
    for (const TFieldInfo& field : (*info)->Fields_)
      fields.push_back(&field);
  return fields;
}

TPropertyInfo& TClassInfo::AddProperty(TPropertyInfo property) {
  for (auto& existing : Properties_) {
    if (SameText(existing->Name, property.Name)) {
      *existing = std::move(property);
      return *existing;
    }
  }
  Properties_.push_back(std::make_unique<TPropertyInfo>(std::move(property)));
  return *Properties_.back();
}

void TClassInfo::AddHandler(THandlerInfo handler) {
  for (THandlerInfo& existing : Handlers_) {
    if (SameText(existing.Name, handler.Name)) {
      existing = std::move(handler);
      return;
    }
  }
  Handlers_.push_back(std::move(handler));
}

void TClassInfo::AddField(TFieldInfo field) {
  for (TFieldInfo& existing : Fields_) {
    if (SameText(existing.Name, field.Name)) {
      existing = std::move(field);
      return;
    }
  }
  Fields_.push_back(std::move(field));
}

TClassInfo& detail::AddClass(TClassDescription description) {
  return Registry().Add(std::move(description));
}

const TClassInfo& FindClass(const std::string& name) {
  const TClassInfo* info = GetClass(name);
  if (info == nullptr)
    throw EClassNotFound("Class " + name + " not found");
  return *info;
}

const TClassInfo* GetClass(const std::string& name) {
  return Registry().ByName(name);
}

std::string ClassNameOf(const TObject& object) {
  const TClassInfo* info = Registry().NearestOf(object);
  return info == nullptr ? "TObject" : info->Name();
}

std::string ClassNameOfType(std::type_index type) {
  const TClassInfo* info = Registry().ByType(type);
  return info == nullptr ? type.name() : info->Name();
}

} // namespace marivo
