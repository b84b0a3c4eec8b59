#include "platform/net/NetClasses.h"

#include "platform/net/IPWatch.h"
#include "platform/net/TcpClient.h"
#include "platform/rtl/ClassRegistry.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

TEST(NetClassesTest, FormDataCanCreateTheNetworkComponents) {
  RegisterNetClasses();
  RegisterNetClasses();
  TComponent owner(nullptr);

  TComponent* watch = FindClass("TIdIPWatch").Create(&owner);
  EXPECT_NE(dynamic_cast<TIdIPWatch*>(watch), nullptr);

  const TClassInfo& clientClass = FindClass("TIdTCPClient");
  auto* client = dynamic_cast<TIdTCPClient*>(clientClass.Create(&owner));
  ASSERT_NE(client, nullptr);
  clientClass.FindProperty("Host")->SetString(*client, "127.0.0.1");
  clientClass.FindProperty("Port")->SetOrdinal(*client, 8963);
  EXPECT_EQ(client->Host(), "127.0.0.1");
  EXPECT_EQ(client->Port(), 8963);
  EXPECT_THROW(clientClass.FindProperty("Port")->SetOrdinal(*client, 65536), EConvertError);
  for (const char* event : {"OnConnected", "OnDisconnected"})
    EXPECT_NE(clientClass.FindProperty(event), nullptr) << event;
  EXPECT_EQ(owner.ComponentCount(), 2);
}

} // namespace
} // namespace marivo
