#include "widgets/foundation/MVWWave.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

// A component that keeps a wave in its form data, as a wave list item does.
class TWaveHolder : public TComponent {
public:
  using TComponent::TComponent;
  TMVWWave& Wave() { return Wave_; }

private:
  TMVWWave Wave_;
};

void RegisterHolder() {
  static const bool registered = [] {
    RegisterFoundationClasses();
    RegisterComponentClass<TWaveHolder, TComponent>("TWaveHolder")
        .Class("Wave", &TWaveHolder::Wave);
    return true;
  }();
  (void)registered;
}

const std::string WaveBytes = std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0", 24) +
                              std::string("\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data\0\0\0\0", 20);

TEST(MVWWave, DataInFormData) {
  RegisterHolder();
  TWaveHolder empty(nullptr);
  empty.SetName("WaveHolder");
  EXPECT_EQ(WriteComponentToText(empty).find("Data"), std::string::npos);

  TWaveHolder holder(nullptr);
  holder.SetName("WaveHolder");
  TMemoryStream file;
  file.WriteBuffer(WaveBytes.data(), static_cast<std::int64_t>(WaveBytes.size()));
  file.SetPosition(0);
  holder.Wave().LoadFromStream(file);
  const std::string text = WriteComponentToText(holder);
  EXPECT_NE(text.find("Wave.Data = {"), std::string::npos) << text;
  EXPECT_NE(text.find("2C00000052494646"), std::string::npos) << text;

  TWaveHolder read(nullptr);
  ReadComponentFromText(read, text, "wave");
  EXPECT_EQ(read.Wave().Stream()->Data(), file.Data());

  // What an empty wave wrote (length 0) reads back as empty.
  TWaveHolder cleared(nullptr);
  ReadComponentFromText(cleared, "object WaveHolder: TWaveHolder\n  Wave.Data = {00000000}\nend\n",
                        "wave");
  EXPECT_TRUE(cleared.Wave().IsEmpty());
  try {
    ReadComponentFromText(
        cleared, "object WaveHolder: TWaveHolder\n  Wave.Data = {04000000 4C495354}\nend\n",
        "wave");
    FAIL() << "a LIST chunk is no wave";
  } catch (const Exception& error) {
    EXPECT_NE(error.Message().find("TMVWWave: Cannot open file %s"), std::string::npos)
        << error.Message();
  }
}

TEST(MVWWave, StopsBeforeItsBytesGo) {
  TMVWWave wave;
  TMemoryStream file;
  file.WriteBuffer(WaveBytes.data(), static_cast<std::int64_t>(WaveBytes.size()));
  file.SetPosition(0);
  wave.LoadFromStream(file);
  wave.Stop();
  wave.Clear();
  EXPECT_TRUE(wave.IsEmpty());
}

} // namespace
} // namespace marivo
