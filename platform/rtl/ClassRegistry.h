#pragma once

#include "platform/rtl/Collections.h"
#include "platform/rtl/Components.h"
#include "platform/rtl/Exceptions.h"

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

namespace marivo {

class TStream;

// Classes are registered at start-up, before any thread reads the registry. A class is found by
// name (case-insensitively) and, for typed registrations, by its C++ type, which is what gives
// TObject::ClassName().

enum class TPropertyKind {
  Integer,
  Boolean,
  Float,
  String,
  Enumeration,
  Set,
  List,
  IntegerList,
  Class,
  Collection,
  Component,
  Event,
  Binary
};

using TIdentTable = std::vector<std::pair<std::string, std::int64_t>>;

// One published property; only the accessors of its kind are set.
struct TPropertyInfo {
  std::string Name;
  TPropertyKind Kind = TPropertyKind::Integer;
  std::vector<std::string> Names; // Enumeration values in order; Set members by bit
  TIdentTable Idents;             // Integer values that read and write as identifiers
  // Integer, Boolean (0/1), Enumeration (index), Set (bitmask)
  std::function<std::int64_t(TPersistent&)> GetOrdinal;
  std::function<void(TPersistent&, std::int64_t)> SetOrdinal;
  std::function<double(TPersistent&)> GetFloat;
  std::function<void(TPersistent&, double)> SetFloat;
  std::function<std::string(TPersistent&)> GetString;
  std::function<void(TPersistent&, const std::string&)> SetString;
  std::function<std::vector<std::string>(TPersistent&)> GetList;
  std::function<void(TPersistent&, const std::vector<std::string>&)> SetList;
  std::function<std::vector<std::int64_t>(TPersistent&)> GetIntegers;
  std::function<void(TPersistent&, const std::vector<std::int64_t>&)> SetIntegers;
  std::function<TPersistent*(TPersistent&)> GetSubObject;
  std::function<TCollection*(TPersistent&)> GetCollection;
  std::function<TComponent*(TPersistent&)> GetComponent;
  std::function<void(TPersistent&, TComponent*)> SetComponent;
  // Stores a handler made by THandlerInfo::Bind; false when its type does not fit the event.
  std::function<bool(TPersistent&, const std::any&)> SetHandler;
  std::function<bool(TPersistent&)> IsAssigned;
  std::function<void(TPersistent&, TStream&)> ReadData;
  std::function<void(TPersistent&, TStream&)> WriteData;
  std::function<bool(TPersistent&)> HasData;
  std::function<bool(TPersistent&)> IsDefault; // empty: no default, always stored
  std::function<bool(TPersistent&)> Stored;    // empty: stored
};

// A method of the root class that form data can bind to an event by name.
struct THandlerInfo {
  std::string Name;
  // The method bound to `root`, as a std::function of the method's signature.
  std::function<std::any(TComponent& root)> Bind;
};

// A published component field of the root class: bound to the root's component of that name
// once its form data has been read.
struct TFieldInfo {
  std::string Name;
  std::type_index Type; // the field's component class
  std::function<bool(const TComponent& component)> Fits;
  std::function<void(TComponent& root, TComponent& component)> Bind;
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

struct TClassDescription {
  std::string Name;
  // The parent by name or by C++ type, looked up when first needed so that registration order
  // does not matter.
  std::string ParentName;
  std::optional<std::type_index> ParentType;
  std::optional<std::type_index> Type;
  std::function<bool(const TObject&)> IsInstance;
  TComponentFactory Factory; // empty for classes form data cannot create
};

class TClassInfo {
public:
  explicit TClassInfo(TClassDescription description);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return Description_.Name; }
  const TClassDescription& Description() const { return Description_; }
  const TClassInfo* Parent() const; // nullptr at the top or while the parent is unregistered
  bool InheritsFrom(const std::string& className) const; // true for itself
  bool CanCreate() const { return static_cast<bool>(Description_.Factory); }
  TComponent* Create(TComponent* owner) const; // EComponentError when it cannot

  // Lookups are case-insensitive and walk up to the ancestors; a descendant's entry wins.
  const TPropertyInfo* FindProperty(const std::string& name) const;
  // Ancestors' properties first; an overriding entry takes its ancestor's place.
  std::vector<const TPropertyInfo*> Properties() const;
  const THandlerInfo* FindHandler(const std::string& name) const;
  // Ancestors' fields first.
  std::vector<const TFieldInfo*> Fields() const;

  // An entry of the same name in this class is replaced.
  TPropertyInfo& AddProperty(TPropertyInfo property);
  void AddHandler(THandlerInfo handler);
  void AddField(TFieldInfo field);

private:
  TClassDescription Description_;
  std::vector<std::unique_ptr<TPropertyInfo>> Properties_;
  std::vector<THandlerInfo> Handlers_;
  std::vector<TFieldInfo> Fields_;
};

namespace detail {

// EComponentError when the name or the type is registered already or the parents would loop.
TClassInfo& AddClass(TClassDescription description);

template <class T, class TParent>
TClassDescription Describe(const std::string& name, TComponentFactory factory) {
  static_assert(std::is_base_of_v<TParent, T> && !std::is_same_v<T, TParent>,
                "the parent must be a base class");
  TClassDescription description;
  description.Name = name;
  description.ParentType = std::type_index(typeid(TParent));
  description.Type = std::type_index(typeid(T));
  description.IsInstance = [](const TObject& object) {
    return dynamic_cast<const T*>(&object) != nullptr;
  };
  description.Factory = std::move(factory);
  return description;
}

template <class V> V FromOrdinal(std::int64_t value) {
  if constexpr (std::is_same_v<V, bool>) {
    return value != 0;
  } else if constexpr (std::is_enum_v<V>) {
    if (!std::in_range<std::underlying_type_t<V>>(value))
      throw EConvertError("Value " + std::to_string(value) + " is out of range");
    return static_cast<V>(value);
  } else {
    static_assert(std::is_integral_v<V>, "an ordinal property needs an integral or enum type");
    if (!std::in_range<V>(value))
      throw EConvertError("Value " + std::to_string(value) + " is out of range");
    return static_cast<V>(value);
  }
}

template <class P> P* AddressOf(P* pointer) {
  return pointer;
}
template <class P> P* AddressOf(P& reference) {
  return &reference;
}

} // namespace detail

// Describes the published properties and handlers of class T in a chain of short calls. Getters
// and setters are member function pointers or callables taking T& (and the value).
template <class T> class TClassBuilder {
  template <class G> using TValue = std::remove_cvref_t<std::invoke_result_t<const G&, T&>>;
  template <class G> using TDefault = std::optional<TValue<G>>;

public:
  explicit TClassBuilder(TClassInfo& info) : Info_(info) {}

  template <class G, class S>
  TClassBuilder& Integer(const std::string& name, G getter, S setter,
                         TDefault<G> defaultValue = std::nullopt) {
    return Ordinal(name, TPropertyKind::Integer, {}, {}, getter, setter, defaultValue);
  }
  // Values found in idents read and write as their identifiers (colours, cursors).
  template <class G, class S>
  TClassBuilder& Integer(const std::string& name, TIdentTable idents, G getter, S setter,
                         TDefault<G> defaultValue = std::nullopt) {
    return Ordinal(name, TPropertyKind::Integer, {}, std::move(idents), getter, setter,
                   defaultValue);
  }
  template <class G, class S>
  TClassBuilder& Boolean(const std::string& name, G getter, S setter,
                         TDefault<G> defaultValue = std::nullopt) {
    return Ordinal(name, TPropertyKind::Boolean, {}, {}, getter, setter, defaultValue);
  }
  // names[i] is the value i.
  template <class G, class S>
  TClassBuilder& Enumeration(const std::string& name, std::vector<std::string> names, G getter,
                             S setter, TDefault<G> defaultValue = std::nullopt) {
    return Ordinal(name, TPropertyKind::Enumeration, std::move(names), {}, getter, setter,
                   defaultValue);
  }
  // members[i] is the bit 1 << i of the value.
  template <class G, class S>
  TClassBuilder& Set(const std::string& name, std::vector<std::string> members, G getter, S setter,
                     TDefault<G> defaultValue = std::nullopt) {
    if (members.size() > 63)
      throw EComponentError("Set property " + name + " has too many members");
    return Ordinal(name, TPropertyKind::Set, std::move(members), {}, getter, setter, defaultValue);
  }

  template <class G, class S>
  TClassBuilder& Float(const std::string& name, G getter, S setter,
                       TDefault<G> defaultValue = std::nullopt) {
    using V = TValue<G>;
    static_assert(std::is_floating_point_v<V>, "a Float property needs a floating type");
    TPropertyInfo property = Make(name, TPropertyKind::Float);
    property.GetFloat = OnT([getter](T& o) { return static_cast<double>(std::invoke(getter, o)); });
    property.SetFloat =
        OnT([setter](T& o, double v) { std::invoke(setter, o, static_cast<V>(v)); });
    SetDefault(property, getter, defaultValue);
    return Add(std::move(property));
  }

  template <class G, class S>
  TClassBuilder& String(const std::string& name, G getter, S setter,
                        TDefault<G> defaultValue = std::nullopt) {
    TPropertyInfo property = Make(name, TPropertyKind::String);
    property.GetString = OnT([getter](T& o) { return std::string(std::invoke(getter, o)); });
    property.SetString = OnT([setter](T& o, const std::string& v) { std::invoke(setter, o, v); });
    SetDefault(property, getter, defaultValue);
    return Add(std::move(property));
  }

  // A list of texts: getter gives std::vector<std::string>; an empty list is not stored.
  template <class G, class S> TClassBuilder& List(const std::string& name, G getter, S setter) {
    TPropertyInfo property = Make(name, TPropertyKind::List);
    property.GetList = OnT([getter](T& o) { return std::invoke(getter, o); });
    property.SetList =
        OnT([setter](T& o, const std::vector<std::string>& v) { std::invoke(setter, o, v); });
    property.IsDefault = OnT([getter](T& o) { return std::invoke(getter, o).empty(); });
    return Add(std::move(property));
  }

  // A list of integers: getter gives std::vector<std::int64_t>; an empty list is not stored.
  template <class G, class S>
  TClassBuilder& IntegerList(const std::string& name, G getter, S setter) {
    TPropertyInfo property = Make(name, TPropertyKind::IntegerList);
    property.GetIntegers = OnT([getter](T& o) { return std::invoke(getter, o); });
    property.SetIntegers =
        OnT([setter](T& o, const std::vector<std::int64_t>& v) { std::invoke(setter, o, v); });
    property.IsDefault = OnT([getter](T& o) { return std::invoke(getter, o).empty(); });
    return Add(std::move(property));
  }

  // A persistent sub-object owned by T (getter gives a pointer or a reference); form data reaches
  // its properties as Name.Property.
  template <class G> TClassBuilder& Class(const std::string& name, G getter) {
    TPropertyInfo property = Make(name, TPropertyKind::Class);
    property.GetSubObject =
        OnT([getter](T& o) -> TPersistent* { return detail::AddressOf(std::invoke(getter, o)); });
    return Add(std::move(property));
  }

  template <class G> TClassBuilder& Collection(const std::string& name, G getter) {
    TPropertyInfo property = Make(name, TPropertyKind::Collection);
    property.GetCollection =
        OnT([getter](T& o) -> TCollection* { return detail::AddressOf(std::invoke(getter, o)); });
    property.IsDefault = OnT([getter](T& o) {
      const TCollection* collection = detail::AddressOf(std::invoke(getter, o));
      return collection == nullptr || collection->Count() == 0;
    });
    return Add(std::move(property));
  }

  // A reference to another component (getter gives and setter takes a D* for some component D).
  template <class G, class S>
  TClassBuilder& Component(const std::string& name, G getter, S setter) {
    using D = std::remove_pointer_t<TValue<G>>;
    static_assert(std::is_base_of_v<TComponent, D>, "a Component property holds a component");
    TPropertyInfo property = Make(name, TPropertyKind::Component);
    property.GetComponent = OnT([getter](T& o) -> TComponent* { return std::invoke(getter, o); });
    property.SetComponent = OnT([setter, name](T& o, TComponent* component) {
      D* value = dynamic_cast<D*>(component);
      if (component != nullptr && value == nullptr)
        throw EConvertError("Cannot assign a " + component->ClassName() + " to property " + name);
      std::invoke(setter, o, value);
    });
    return Add(std::move(property));
  }

  // A public std::function member of T (or of a base of T).
  template <class C, class E> TClassBuilder& Event(const std::string& name, E C::*member) {
    static_assert(std::is_base_of_v<C, T> && !std::is_function_v<E>,
                  "the event must be a data member of the class");
    TPropertyInfo property = Make(name, TPropertyKind::Event);
    property.SetHandler = OnT([member](T& o, const std::any& handler) {
      const E* function = std::any_cast<E>(&handler);
      if (function != nullptr)
        o.*member = *function;
      return function != nullptr;
    });
    property.IsAssigned = OnT([member](T& o) { return static_cast<bool>(o.*member); });
    return Add(std::move(property));
  }

  // Hidden data in a form of the class's choosing: read(T&, TStream&), write(T&, TStream&);
  // stored only when hasData(T&).
  template <class R, class W, class H>
  TClassBuilder& Binary(const std::string& name, R read, W write, H hasData) {
    TPropertyInfo property = Make(name, TPropertyKind::Binary);
    property.ReadData = OnT([read](T& o, TStream& s) { std::invoke(read, o, s); });
    property.WriteData = OnT([write](T& o, TStream& s) { std::invoke(write, o, s); });
    property.HasData = OnT([hasData](T& o) { return static_cast<bool>(std::invoke(hasData, o)); });
    return Add(std::move(property));
  }

  // Applies to the property added last: it is written only while predicate(T&) holds.
  template <class P> TClassBuilder& Stored(P predicate) {
    if (Last_ == nullptr)
      throw EComponentError("Stored needs a property of " + Info_.Name());
    Last_->Stored = OnT([predicate](T& o) { return static_cast<bool>(std::invoke(predicate, o)); });
    return *this;
  }

  // A method form data can bind to events by name while T is the root being read.
  template <class C, class R, class... A>
  TClassBuilder& Handler(const std::string& name, R (C::*method)(A...)) {
    static_assert(std::is_base_of_v<C, T>, "the handler must be a method of the class");
    Info_.AddHandler({name, [method, className = Info_.Name()](TComponent& root) -> std::any {
                        T* self = dynamic_cast<T*>(&root);
                        if (self == nullptr)
                          throw EConvertError("A " + root.ClassName() + " is not a " + className);
                        return std::function<R(A...)>(std::bind_front(method, self));
                      }});
    return *this;
  }

  // A member of T (or of a base of T) that form data binds to the root's component of that name;
  // a missing or differently classed component fails the load.
  template <class C, class D> TClassBuilder& Field(const std::string& name, D* C::*member) {
    static_assert(std::is_base_of_v<C, T> && std::is_base_of_v<TComponent, D>,
                  "a field is a component pointer member of the class");
    Info_.AddField(
        {name, std::type_index(typeid(D)),
         [](const TComponent& component) { return dynamic_cast<const D*>(&component) != nullptr; },
         [member](TComponent& root, TComponent& component) {
           dynamic_cast<T&>(root).*member = &dynamic_cast<D&>(component);
         }});
    return *this;
  }

private:
  TPropertyInfo Make(const std::string& name, TPropertyKind kind) const {
    TPropertyInfo property;
    property.Name = name;
    property.Kind = kind;
    return property;
  }

  TClassBuilder& Add(TPropertyInfo property) {
    Last_ = &Info_.AddProperty(std::move(property));
    return *this;
  }

  // Wraps f(T&, args...) as a function of TPersistent&.
  template <class F> auto OnT(F f) const {
    return [f, className = Info_.Name()](TPersistent& object, auto&&... args) {
      T* self = dynamic_cast<T*>(&object);
      if (self == nullptr)
        throw EConvertError("A " + object.ClassName() + " is not a " + className);
      return f(*self, std::forward<decltype(args)>(args)...);
    };
  }

  template <class G> void SetDefault(TPropertyInfo& property, G getter, TDefault<G> value) const {
    if (value)
      property.IsDefault = OnT([getter, v = *value](T& o) { return std::invoke(getter, o) == v; });
  }

  template <class G, class S>
  TClassBuilder& Ordinal(const std::string& name, TPropertyKind kind,
                         std::vector<std::string> names, TIdentTable idents, G getter, S setter,
                         TDefault<G> defaultValue) {
    using V = TValue<G>;
    TPropertyInfo property = Make(name, kind);
    property.Names = std::move(names);
    property.Idents = std::move(idents);
    property.GetOrdinal =
        OnT([getter](T& o) { return static_cast<std::int64_t>(std::invoke(getter, o)); });
    property.SetOrdinal =
        OnT([setter](T& o, std::int64_t v) { std::invoke(setter, o, detail::FromOrdinal<V>(v)); });
    SetDefault(property, getter, defaultValue);
    return Add(std::move(property));
  }

  TClassInfo& Info_;
  TPropertyInfo* Last_ = nullptr;
};

// A component class form data can create (when T(TComponent* owner) exists) and read.
template <class T, class TParent> TClassBuilder<T> RegisterComponentClass(const std::string& name) {
  static_assert(std::is_base_of_v<TComponent, T>, "a component class derives from TComponent");
  TComponentFactory factory;
  if constexpr (std::is_constructible_v<T, TComponent*>)
    factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
  return TClassBuilder<T>(detail::AddClass(detail::Describe<T, TParent>(name, factory)));
}

// A persistent class with properties but no factory: sub-objects, collection items.
template <class T, class TParent>
TClassBuilder<T> RegisterPersistentClass(const std::string& name) {
  static_assert(std::is_base_of_v<TPersistent, T>, "a persistent class derives from TPersistent");
  return TClassBuilder<T>(detail::AddClass(detail::Describe<T, TParent>(name, nullptr)));
}

// A class known by name only; its ClassName() comes from an override.
inline TClassInfo& RegisterClass(const std::string& name, const std::string& parentName,
                                 TComponentFactory factory) {
  TClassDescription description;
  description.Name = name;
  description.ParentName = parentName;
  description.Factory = std::move(factory);
  return detail::AddClass(std::move(description));
}

// FindClass raises EClassNotFound "Class X not found"; GetClass gives nullptr.
const TClassInfo& FindClass(const std::string& name);
const TClassInfo* GetClass(const std::string& name);
// The registered name of object's type, or of its nearest registered ancestor.
std::string ClassNameOf(const TObject& object);
// The registered name of a C++ class; its compiler's name when it is not registered.
std::string ClassNameOfType(std::type_index type);

} // namespace marivo
