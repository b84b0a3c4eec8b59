#pragma once

#include "platform/rtl/Components.h"
#include "platform/rtl/FormText.h"

#include <string>
#include <vector>

namespace marivo {

class TCollection;
struct TPropertyInfo;

// Reads a tree of form data into live components through the class registry. Errors are
// EReadError "source(line): message" naming the offending identifier. Until Finish succeeds,
// the components this reader created are freed when it goes away.
class TComponentReader {
public:
  TComponentReader(TComponent& root, std::string sourceName);
  ~TComponentReader();
  TComponentReader(const TComponentReader&) = delete;
  TComponentReader& operator=(const TComponentReader&) = delete;

  // The object's class must be the root's own; names the root, reads its properties and children.
  void ReadRoot(const TFormObject& object);
  // Creates the object's component owned by the root and parented to `parent`, then reads it.
  TComponent& ReadComponent(const TFormObject& object, TComponent& parent);
  // Applies properties in order; dotted names walk sub-objects.
  void ReadProperties(TPersistent& instance, const std::vector<TFormProperty>& properties);
  // Resolves component references, binds the root's fields, ends loading and calls Loaded() on
  // every component read, the root last.
  void Finish();

private:
  struct TFixup {
    TPersistent* Instance;
    const TPropertyInfo* Property;
    std::string Path;
    std::string Target;
    int Line;
    std::vector<const TCollection*> Collections; // the fixup dies with their items
  };

  void ReadProperty(TPersistent& instance, const TFormProperty& property);
  void ReadValue(TPersistent& target, const TPropertyInfo& info, const TFormProperty& property);
  void ReadCollection(TPersistent& target, const TPropertyInfo& info,
                      const TFormProperty& property);
  void BindFields();
  void BindHandler(TPersistent& target, const TPropertyInfo& info, const TFormProperty& property);
  std::string Where(int line) const;
  [[noreturn]] void Fail(int line, const std::string& message) const;
  template <class F> auto At(int line, F action) const;

  TComponent& Root_;
  std::string SourceName_;
  bool RootRead_ = false;
  bool Finished_ = false;
  std::vector<TComponent*> Created_;
  std::vector<TFixup> Fixups_;
  std::vector<const TCollection*> Collections_;
};

// Parses the text and reads it into root, which must be of the root object's class.
void ReadComponentFromText(TComponent& root, const std::string& text,
                           const std::string& sourceName);

// The stored properties of instance: those that differ from their default and whose stored
// predicate holds; sub-objects as dotted names, events by handler name, references by name.
std::vector<TFormProperty> WriteProperties(TPersistent& instance, TComponent& root);
// The component with its properties and the named children it lists through GetChildren.
TFormObject WriteComponent(TComponent& component, TComponent& root);
std::string WriteComponentToText(TComponent& root);

} // namespace marivo
