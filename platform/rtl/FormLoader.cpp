#include "platform/rtl/FormLoader.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Collections.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <utility>

namespace marivo {

namespace {

using TKind = TFormValue::TKind;

// The writer's own limit on nesting, matching what the text reader accepts.
constexpr int MaxDepth = 256;

std::string KindName(TKind kind) {
  switch (kind) {
  case TKind::Integer:
    return "integer";
  case TKind::Float:
    return "float";
  case TKind::String:
    return "string";
  case TKind::Identifier:
    return "identifier";
  case TKind::Set:
    return "set";
  case TKind::List:
    return "list";
  case TKind::Collection:
    return "collection";
  case TKind::Binary:
    return "binary data";
  }
  return "value";
}

bool Owns(const TComponent& owner, const TComponent* component) {
  for (int i = 0; i < owner.ComponentCount(); ++i)
    if (owner.Components(i) == component)
      return true;
  return false;
}

const TPropertyInfo* FindPropertyOf(const TPersistent& instance, const std::string& name) {
  const TClassInfo* info = GetClass(instance.ClassName());
  return info == nullptr ? nullptr : info->FindProperty(name);
}

int IndexOfName(const std::vector<std::string>& names, const std::string& name) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], name))
      return static_cast<int>(i);
  return -1;
}

TFormValue Identifier(const std::string& text) {
  TFormValue value;
  value.Kind = TKind::Identifier;
  value.Text = text;
  return value;
}

} // namespace

TComponentReader::TComponentReader(TComponent& root, std::string sourceName)
    : Root_(root), SourceName_(std::move(sourceName)) {}

TComponentReader::~TComponentReader() {
  if (Finished_)
    return;
  // A component may have freed others it made, so only those the root still owns are freed.
  for (auto component = Created_.rbegin(); component != Created_.rend(); ++component)
    if (Owns(Root_, *component))
      delete *component;
  if (RootRead_)
    Root_.ExcludeState(csLoading | csReading);
}

std::string TComponentReader::Where(int line) const {
  return SourceName_ + "(" + IntToStr(line) + "): ";
}

void TComponentReader::Fail(int line, const std::string& message) const {
  throw EReadError(Where(line) + message);
}

// Errors raised by components while they are being read get the place in the form data.
template <class F> auto TComponentReader::At(int line, F action) const {
  try {
    return action();
  } catch (const EReadError&) {
    throw;
  } catch (const Exception& error) {
    Fail(line, error.Message());
  }
}

void TComponentReader::ReadRoot(const TFormObject& object) {
  if (!SameText(object.ClassName, Root_.ClassName()))
    Fail(object.Line,
         "Class '" + object.ClassName + "' is not the root's class " + Root_.ClassName());
  RootRead_ = true;
  Root_.IncludeState(csLoading | csReading);
  At(object.Line, [&] { Root_.SetName(object.Name); });
  ReadProperties(Root_, object.Properties);
  for (const TFormObject& child : object.Children)
    ReadComponent(child, Root_);
  Root_.ExcludeState(csReading);
}

TComponent& TComponentReader::ReadComponent(const TFormObject& object, TComponent& parent) {
  const TClassInfo* info = GetClass(object.ClassName);
  if (info == nullptr)
    Fail(object.Line, "Unknown class '" + object.ClassName + "'");
  if (!info->CanCreate())
    Fail(object.Line, "Class '" + object.ClassName + "' is not a component class");
  // A parent may keep its children for itself, as a container keeps its items.
  TComponent* owner = parent.GetChildOwner();
  if (owner == nullptr)
    owner = &Root_;
  TComponent* component = At(object.Line, [&] { return info->Create(owner); });
  if (component == nullptr)
    Fail(object.Line, "Class '" + object.ClassName + "' made no component");
  if (component->Owner() != owner) {
    // Unowned, it would leak if the read failed.
    if (component->Owner() == nullptr)
      owner->InsertComponent(component);
    else
      Fail(object.Line, "Class '" + object.ClassName + "' made a component of another owner");
  }
  Created_.push_back(component);
  component->IncludeState(csLoading | csReading);
  At(object.Line, [&] {
    component->SetName(object.Name);
    component->SetParentComponent(&parent);
  });
  ReadProperties(*component, object.Properties);
  for (const TFormObject& child : object.Children)
    ReadComponent(child, *component);
  At(object.Line, [&] { component->ReadState(&parent); });
  component->ExcludeState(csReading);
  return *component;
}

void TComponentReader::ReadProperties(TPersistent& instance,
                                      const std::vector<TFormProperty>& properties) {
  for (const TFormProperty& property : properties)
    ReadProperty(instance, property);
}

void TComponentReader::ReadProperty(TPersistent& instance, const TFormProperty& property) {
  const auto unknown = [&] {
    Fail(property.Line, "Unknown property '" + property.Name + "' of " + instance.ClassName());
  };
  TPersistent* target = &instance;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = property.Name.find('.', start);
    const std::string segment = property.Name.substr(start, dot - start);
    const TPropertyInfo* info = FindPropertyOf(*target, segment);
    if (info == nullptr)
      unknown();
    if (dot == std::string::npos) {
      ReadValue(*target, *info, property);
      return;
    }
    if (info->Kind != TPropertyKind::Class)
      unknown();
    target = At(property.Line, [&] { return info->GetSubObject(*target); });
    if (target == nullptr)
      unknown();
    start = dot + 1;
  }
}

void TComponentReader::ReadValue(TPersistent& target, const TPropertyInfo& info,
                                 const TFormProperty& property) {
  const TFormValue& value = property.Value;
  const int line = property.Line;
  const auto wrongKind = [&](const std::string& expected) {
    Fail(line, "Invalid value for property '" + property.Name + "': " + expected + " expected, " +
                   KindName(value.Kind) + " found");
  };
  const auto unknownIdentifier = [&] {
    Fail(line, "Unknown identifier '" + value.Text + "' for property '" + property.Name + "'");
  };
  const auto set = [&](auto apply) {
    try {
      apply();
    } catch (const EReadError&) {
      throw;
    } catch (const Exception& error) {
      Fail(line, "Invalid value for property '" + property.Name + "': " + error.Message());
    }
  };

  switch (info.Kind) {
  case TPropertyKind::Integer:
    if (value.Kind == TKind::Integer) {
      set([&] { info.SetOrdinal(target, value.Integer); });
    } else if (value.Kind == TKind::Identifier) {
      const auto ident =
          std::find_if(info.Idents.begin(), info.Idents.end(),
                       [&](const auto& entry) { return SameText(entry.first, value.Text); });
      if (ident == info.Idents.end())
        unknownIdentifier();
      set([&] { info.SetOrdinal(target, ident->second); });
    } else {
      wrongKind("integer");
    }
    return;
  case TPropertyKind::Boolean:
    if (value.Kind != TKind::Identifier)
      wrongKind("True or False");
    if (!SameText(value.Text, "True") && !SameText(value.Text, "False"))
      unknownIdentifier();
    set([&] { info.SetOrdinal(target, SameText(value.Text, "True") ? 1 : 0); });
    return;
  case TPropertyKind::Enumeration: {
    if (value.Kind != TKind::Identifier)
      wrongKind("identifier");
    const int index = IndexOfName(info.Names, value.Text);
    if (index < 0)
      unknownIdentifier();
    set([&] { info.SetOrdinal(target, index); });
    return;
  }
  case TPropertyKind::Set: {
    if (value.Kind != TKind::Set)
      wrongKind("set");
    std::int64_t bits = 0;
    for (const std::string& member : value.Items) {
      const int index = IndexOfName(info.Names, member);
      if (index < 0)
        Fail(line, "Unknown set member '" + member + "' for property '" + property.Name + "'");
      bits |= std::int64_t{1} << index;
    }
    set([&] { info.SetOrdinal(target, bits); });
    return;
  }
  case TPropertyKind::Float:
    if (value.Kind == TKind::Float)
      set([&] { info.SetFloat(target, value.Float); });
    else if (value.Kind == TKind::Integer)
      set([&] { info.SetFloat(target, static_cast<double>(value.Integer)); });
    else
      wrongKind("float");
    return;
  case TPropertyKind::String:
    if (value.Kind != TKind::String)
      wrongKind("string");
    set([&] { info.SetString(target, value.Text); });
    return;
  case TPropertyKind::List:
    if (value.Kind != TKind::List || !value.Numbers.empty())
      wrongKind("list of texts");
    set([&] { info.SetList(target, value.Items); });
    return;
  case TPropertyKind::IntegerList:
    if (value.Kind != TKind::List || !value.Items.empty())
      wrongKind("list of integers");
    set([&] { info.SetIntegers(target, value.Numbers); });
    return;
  case TPropertyKind::Class:
    Fail(line, "Property '" + property.Name + "' takes no value; set its properties by name");
  case TPropertyKind::Collection:
    if (value.Kind != TKind::Collection)
      wrongKind("collection");
    ReadCollection(target, info, property);
    return;
  case TPropertyKind::Component:
    if (value.Kind != TKind::Identifier)
      wrongKind("component name");
    Fixups_.push_back({&target, &info, property.Name, value.Text, line, Collections_});
    return;
  case TPropertyKind::Event:
    if (value.Kind != TKind::Identifier)
      wrongKind("handler name");
    BindHandler(target, info, property);
    return;
  case TPropertyKind::Binary:
    if (value.Kind != TKind::Binary)
      wrongKind("binary data");
    set([&] {
      TMemoryStream stream;
      if (!value.Bytes.empty())
        stream.WriteBuffer(value.Bytes.data(), static_cast<std::int64_t>(value.Bytes.size()));
      stream.SetPosition(0);
      info.ReadData(target, stream);
    });
    return;
  }
}

void TComponentReader::ReadCollection(TPersistent& target, const TPropertyInfo& info,
                                      const TFormProperty& property) {
  TCollection* collection = At(property.Line, [&] { return info.GetCollection(target); });
  if (collection == nullptr)
    Fail(property.Line, "Property '" + property.Name + "' has no collection");
  // Clearing frees the items that pending references would write into.
  std::erase_if(Fixups_, [&](const TFixup& fixup) {
    return std::find(fixup.Collections.begin(), fixup.Collections.end(), collection) !=
           fixup.Collections.end();
  });
  collection->BeginUpdate();
  Collections_.push_back(collection);
  try {
    collection->Clear();
    for (const TFormObject& item : property.Value.Collection) {
      TCollectionItem* added = At(item.Line, [&] { return collection->Add(); });
      ReadProperties(*added, item.Properties);
    }
  } catch (...) {
    Collections_.pop_back();
    collection->EndUpdate();
    throw;
  }
  Collections_.pop_back();
  collection->EndUpdate();
}

void TComponentReader::BindHandler(TPersistent& target, const TPropertyInfo& info,
                                   const TFormProperty& property) {
  const std::string& name = property.Value.Text;
  const TClassInfo* rootClass = GetClass(Root_.ClassName());
  const THandlerInfo* handler = rootClass == nullptr ? nullptr : rootClass->FindHandler(name);
  if (handler == nullptr)
    Fail(property.Line, "Unknown handler '" + name + "' for event '" + property.Name + "'");
  const bool fits =
      At(property.Line, [&] { return info.SetHandler(target, handler->Bind(Root_)); });
  if (!fits)
    Fail(property.Line,
         "Handler '" + handler->Name + "' does not fit event '" + property.Name + "'");
  target.SetHandlerName(info.Name, handler->Name);
}

void TComponentReader::Finish() {
  std::vector<TComponent*> targets;
  for (const TFixup& fixup : Fixups_) {
    TComponent* target = Root_.FindComponent(fixup.Target);
    if (target == nullptr && !Root_.Name().empty() && SameText(fixup.Target, Root_.Name()))
      target = &Root_;
    if (target == nullptr)
      Fail(fixup.Line,
           "Unresolved reference '" + fixup.Target + "' in property '" + fixup.Path + "'");
    targets.push_back(target);
  }
  for (std::size_t i = 0; i < Fixups_.size(); ++i) {
    const TFixup& fixup = Fixups_[i];
    try {
      fixup.Property->SetComponent(*fixup.Instance, targets[i]);
    } catch (const Exception& error) {
      Fail(fixup.Line, "Invalid value for property '" + fixup.Path + "': " + error.Message());
    }
  }
  Fixups_.clear();
  BindFields();
  for (TComponent* component : Created_)
    component->ExcludeState(csLoading);
  if (RootRead_)
    Root_.ExcludeState(csLoading);
  for (TComponent* component : Created_)
    component->Loaded();
  if (RootRead_)
    Root_.Loaded();
  Finished_ = true;
}

// Every field is checked before any is bound, so a failed load binds nothing.
void TComponentReader::BindFields() {
  if (!RootRead_)
    return;
  const TClassInfo* info = GetClass(Root_.ClassName());
  if (info == nullptr)
    return;
  const std::vector<const TFieldInfo*> fields = info->Fields();
  std::vector<TComponent*> components;
  for (const TFieldInfo* field : fields) {
    TComponent* component = Root_.FindComponent(field->Name);
    if (component == nullptr || !field->Fits(*component))
      throw EReadError(
          SourceName_ + ": " + Root_.ClassName() + " needs component '" + field->Name +
          "' of class " + ClassNameOfType(field->Type) + ", " +
          (component == nullptr ? std::string("found none") : "found a " + component->ClassName()));
    components.push_back(component);
  }
  for (std::size_t i = 0; i < fields.size(); ++i)
    fields[i]->Bind(Root_, *components[i]);
}

void ReadComponentFromText(TComponent& root, const std::string& text,
                           const std::string& sourceName) {
  const TFormObject tree = ParseFormText(text, sourceName);
  TComponentReader reader(root, sourceName);
  reader.ReadRoot(tree);
  reader.Finish();
}

namespace {

void WritePropertiesTo(TPersistent& instance, TComponent& root, const std::string& prefix,
                       std::vector<TFormProperty>& out, int depth) {
  if (depth > MaxDepth)
    throw EWriteError("Nesting too deep at property '" + prefix + "'");
  const TClassInfo* classInfo = GetClass(instance.ClassName());
  if (classInfo == nullptr)
    return;
  for (const TPropertyInfo* info : classInfo->Properties()) {
    if ((info->Stored && !info->Stored(instance)) || (info->IsDefault && info->IsDefault(instance)))
      continue;
    const std::string name = prefix + info->Name;
    const auto invalid = [&](std::int64_t ordinal) {
      throw EWriteError("Invalid value " + IntToStr(ordinal) + " of property '" + name + "'");
    };
    TFormValue value;
    switch (info->Kind) {
    case TPropertyKind::Integer: {
      const std::int64_t ordinal = info->GetOrdinal(instance);
      const auto ident = std::find_if(info->Idents.begin(), info->Idents.end(),
                                      [&](const auto& entry) { return entry.second == ordinal; });
      if (ident != info->Idents.end()) {
        value = Identifier(ident->first);
      } else {
        value.Kind = TKind::Integer;
        value.Integer = ordinal;
      }
      break;
    }
    case TPropertyKind::Boolean:
      value = Identifier(info->GetOrdinal(instance) != 0 ? "True" : "False");
      break;
    case TPropertyKind::Enumeration: {
      const std::int64_t ordinal = info->GetOrdinal(instance);
      if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(info->Names.size()))
        invalid(ordinal);
      value = Identifier(info->Names[static_cast<std::size_t>(ordinal)]);
      break;
    }
    case TPropertyKind::Set: {
      const std::int64_t bits = info->GetOrdinal(instance);
      value.Kind = TKind::Set;
      for (std::size_t i = 0; i < info->Names.size(); ++i)
        if ((bits >> i & 1) != 0)
          value.Items.push_back(info->Names[i]);
      if (bits < 0 || (bits >> info->Names.size()) != 0)
        invalid(bits);
      break;
    }
    case TPropertyKind::Float:
      value.Kind = TKind::Float;
      value.Float = info->GetFloat(instance);
      break;
    case TPropertyKind::String:
      value.Kind = TKind::String;
      value.Text = info->GetString(instance);
      break;
    case TPropertyKind::List:
      value.Kind = TKind::List;
      value.Items = info->GetList(instance);
      break;
    case TPropertyKind::IntegerList:
      value.Kind = TKind::List;
      value.Numbers = info->GetIntegers(instance);
      break;
    case TPropertyKind::Class:
      if (TPersistent* sub = info->GetSubObject(instance))
        WritePropertiesTo(*sub, root, name + ".", out, depth + 1);
      continue;
    case TPropertyKind::Collection: {
      TCollection* collection = info->GetCollection(instance);
      if (collection == nullptr)
        continue;
      value.Kind = TKind::Collection;
      for (int i = 0; i < collection->Count(); ++i) {
        TFormObject item;
        WritePropertiesTo(*collection->Items(i), root, "", item.Properties, depth + 1);
        value.Collection.push_back(std::move(item));
      }
      break;
    }
    case TPropertyKind::Component: {
      const TComponent* target = info->GetComponent(instance);
      const bool named = target != nullptr && !target->Name().empty();
      if (!named || (target != &root && target->Owner() != &root))
        continue;
      value = Identifier(target->Name());
      break;
    }
    case TPropertyKind::Event: {
      const std::string handler = instance.HandlerName(info->Name);
      if (handler.empty() || !info->IsAssigned(instance))
        continue;
      value = Identifier(handler);
      break;
    }
    case TPropertyKind::Binary: {
      if (!info->HasData(instance))
        continue;
      TMemoryStream stream;
      info->WriteData(instance, stream);
      value.Kind = TKind::Binary;
      value.Bytes = stream.Data();
      break;
    }
    }
    out.push_back({name, std::move(value), 0});
  }
}

TFormObject WriteComponentAt(TComponent& component, TComponent& root, int depth) {
  if (depth > MaxDepth)
    throw EWriteError("Nesting too deep at component '" + component.Name() + "'");
  TFormObject object;
  object.Name = component.Name();
  object.ClassName = component.ClassName();
  WritePropertiesTo(component, root, "", object.Properties, 0);
  component.GetChildren(
      [&](TComponent* child) {
        // An unnamed component, made in code, cannot be written as an object of form data,
        // unless it is one its parent keeps for itself, as a container keeps its items.
        const bool keptByParent =
            &component != &root && child != nullptr && child->Owner() == &component;
        if (child != nullptr && (!child->Name().empty() || keptByParent))
          object.Children.push_back(WriteComponentAt(*child, root, depth + 1));
      },
      &root);
  return object;
}

} // namespace

std::vector<TFormProperty> WriteProperties(TPersistent& instance, TComponent& root) {
  std::vector<TFormProperty> properties;
  WritePropertiesTo(instance, root, "", properties, 0);
  return properties;
}

TFormObject WriteComponent(TComponent& component, TComponent& root) {
  return WriteComponentAt(component, root, 0);
}

std::string WriteComponentToText(TComponent& root) {
  return FormatFormText(WriteComponent(root, root));
}

} // namespace marivo
