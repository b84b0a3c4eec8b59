#pragma once

#include "widgets/foundation/MVWProcs.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <string>

namespace marivo {

enum TMVWRegRootKey {
  rpClassesRoot,
  rpCurrentUser,
  rpLocalMachine,
  rpUsers,
  rpCurrentConfig,
  rpDynData
};
enum TMVWIniTarget { itIniFile, itRegistry, itAuto };

// Where widget settings would be kept: properties only, the storage is not part of the library.
class TMVWIniCtrl : public TMVWCustomComponent {
public:
  static constexpr bool DefaultAlphaCounter = false;
  static constexpr bool DefaultCommon = true;
  static constexpr TMVWPathPrefix DefaultIniPrefix = ppWindows;
  static constexpr std::uint8_t DefaultMaxEntries = 16;
  static constexpr bool DefaultNetUser = false;
  static constexpr TMVWRegRootKey DefaultRegRoot = rpCurrentUser;
  static constexpr TMVWIniTarget DefaultTarget = itAuto;
  static constexpr std::uint16_t DefaultEncKey = 58231;
  static constexpr bool DefaultEncoded = false;

  explicit TMVWIniCtrl(TComponent* owner) : TMVWCustomComponent(owner) {}

  bool AlphaCounter() const { return AlphaCounter_; }
  // Either way caps MaxEntries at 26.
  void SetAlphaCounter(bool value);
  bool Common() const { return Common_; }
  void SetCommon(bool value) { Common_ = value; }
  const std::string& IniFile() const { return IniFile_; }
  // A name without extension gets ".INI".
  void SetIniFile(const std::string& value);
  TMVWPathPrefix IniPrefix() const { return IniPrefix_; }
  void SetIniPrefix(TMVWPathPrefix value) { IniPrefix_ = value; }
  std::uint8_t MaxEntries() const { return MaxEntries_; }
  // Over 26 is refused while AlphaCounter is on.
  void SetMaxEntries(std::uint8_t value);
  bool NetUser() const { return NetUser_; }
  // On fills User with the user's name.
  void SetNetUser(bool value);
  const std::string& User() const { return User_; }
  void SetUser(const std::string& value) { User_ = value; }
  const std::string& RegPath() const { return RegPath_; }
  void SetRegPath(const std::string& value) { RegPath_ = value; }
  TMVWRegRootKey RegRoot() const { return RegRoot_; }
  void SetRegRoot(TMVWRegRootKey value) { RegRoot_ = value; }
  TMVWIniTarget Target() const { return Target_; }
  void SetTarget(TMVWIniTarget value);
  // The registry when Target is itAuto.
  TMVWIniTarget EffectiveTarget() const { return EffectiveTarget_; }
  std::uint16_t EncKey() const { return EncKey_; }
  void SetEncKey(std::uint16_t value) { EncKey_ = value; }
  bool Encoded() const { return Encoded_; }
  void SetEncoded(bool value) { Encoded_ = value; }

  virtual std::string GetNetUserName();

private:
  static constexpr std::uint8_t AlphaLimit = 26;
  bool AlphaCounter_ = DefaultAlphaCounter;
  bool Common_ = DefaultCommon;
  std::string IniFile_;
  TMVWPathPrefix IniPrefix_ = DefaultIniPrefix;
  std::uint8_t MaxEntries_ = DefaultMaxEntries;
  bool NetUser_ = DefaultNetUser;
  std::string User_;
  std::string RegPath_;
  TMVWRegRootKey RegRoot_ = DefaultRegRoot;
  TMVWIniTarget Target_ = DefaultTarget;
  TMVWIniTarget EffectiveTarget_ = itRegistry;
  std::uint16_t EncKey_ = DefaultEncKey;
  bool Encoded_ = DefaultEncoded;
};

// Makes the control known to form data.
void RegisterMVWIniCtrl();

} // namespace marivo
