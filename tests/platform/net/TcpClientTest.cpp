#include "platform/net/TcpClient.h"

#include "platform/net/Winsock.h"
#include "tests/support/FakeMeetServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace marivo {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using test::TFakeMeetServer;

constexpr char Eot = '\x04';

template <class E> std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& error) {
    return error.what();
  }
  return "(nothing raised)";
}

class TcpClientTest : public ::testing::Test {
protected:
  TcpClientTest() : Client(nullptr) {
    Client.SetHost("127.0.0.1");
    Client.SetPort(Server.Port());
    Client.OnConnected = [this](TObject* sender) {
      EXPECT_EQ(sender, &Client);
      ConnectedWhileEventRan = Client.Connected();
      ++ConnectedEvents;
    };
    Client.OnDisconnected = [this](TObject*) { ++DisconnectedEvents; };
  }

  void ConnectToServer() {
    Client.Connect();
    ASSERT_TRUE(Server.WaitForClient());
  }

  TFakeMeetServer Server;
  TIdTCPClient Client;
  bool ConnectedWhileEventRan = false;
  int ConnectedEvents = 0;
  int DisconnectedEvents = 0;
};

// Refused at once (10061), not timed out: the client does not wait for a server that is not there.
TEST_F(TcpClientTest, ConnectIsRefusedWhereNobodyListens) {
  Client.SetPort(TFakeMeetServer::UnusedPort());
  // The text reaches the official in the error box of a failed reconnect.
  const std::string message = MessageOf<ESocketError>([&] { Client.Connect(); });
  EXPECT_EQ(message.rfind("Socket Error # 10061\r\n", 0), 0u) << message;
  EXPECT_GT(message.size(), 22u) << "the system's text is missing";
  EXPECT_FALSE(Client.Connected());
  EXPECT_EQ(ConnectedEvents, 0);

  Client.SetHost("");
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.Connect(); }), "Host is not set.");
}

// The stack's own limit is about 21 seconds; a user interface thread must not wait that long, so
// the client gives up after its own time, and no sooner.
TEST_F(TcpClientTest, ConnectGivesUpOnAnUnansweringServerAfterItsTimeOut) {
  const test::TSilentServer silent;
  Client.SetPort(silent.Port());
  const auto start = std::chrono::steady_clock::now();
  auto connecting = std::async(std::launch::async, [&] {
    try {
      Client.Connect();
    } catch (const ESocketError& error) {
      return error.Code();
    }
    return 0;
  });
  // Only a hung connect runs out of this wait, however busy the machine is.
  ASSERT_EQ(connecting.wait_for(60s), std::future_status::ready)
      << "the connect never gave up";
  const int code = connecting.get();
  if (code == WSAECONNREFUSED)
    GTEST_SKIP() << "this stack refuses a connection to a full queue instead of leaving it "
                    "unanswered, so there is no time-out to see";
  EXPECT_EQ(code, WSAETIMEDOUT);
  EXPECT_GE(std::chrono::steady_clock::now() - start, TIdTCPClient::ConnectTimeout - 500ms);
  EXPECT_FALSE(Client.Connected());
  EXPECT_EQ(ConnectedEvents, 0);
}

TEST_F(TcpClientTest, ConnectRunsTheEventOnceTheConnectionStandsAndRefusesASecondConnect) {
  ConnectToServer();
  EXPECT_TRUE(Client.Connected());
  EXPECT_EQ(ConnectedEvents, 1);
  EXPECT_TRUE(ConnectedWhileEventRan);

  const auto connection = Client.Connection();
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.Connect(); }), "Already connected.");
  EXPECT_EQ(Client.Connection(), connection);
  EXPECT_EQ(ConnectedEvents, 1);
}

TEST_F(TcpClientTest, WriteSendsEveryByteUnchanged) {
  ConnectToServer();
  const std::string frame = "\001CCFREEJ1  \002Judge 1\000(Elements)\004"s;
  const std::string bulk(300000, 'x');
  Client.Write(frame);
  Client.Write("");
  Client.Write(bulk);
  ASSERT_TRUE(Server.WaitForReceived(frame.size() + bulk.size()));
  EXPECT_EQ(Server.Received(), frame + bulk);
  ASSERT_EQ(Server.Frames().size(), 1u);
  EXPECT_EQ(Server.Frames()[0], frame);
}

TEST_F(TcpClientTest, ReadLnCutsTheStreamAtEachTerminatorWhateverTheSegments) {
  ConnectToServer();
  Server.Send("\001TP\002\004");
  EXPECT_EQ(Client.ReadLn(Eot), "\001TP\002");

  Server.Send("first\x04second\x04");
  EXPECT_EQ(Client.ReadLn(Eot), "first");
  EXPECT_EQ(Client.ReadLn(Eot), "second");

  Server.SendInPieces({"in ", "three", " pieces\004and a start"}, 50ms);
  EXPECT_EQ(Client.ReadLn(Eot), "in three pieces");
  Server.Send("\000 with a NUL\004"s);
  EXPECT_EQ(Client.ReadLn(Eot), "and a start\000 with a NUL"s);

  Server.Send("\x04");
  EXPECT_EQ(Client.ReadLn(Eot), "");
}

TEST_F(TcpClientTest, ReadLnAcceptsTheLongestLineAndFailsOneByteLater) {
  ConnectToServer();
  const std::string longest(TTcpConnection::MaxLineLength, 'a');
  Server.Send(longest + Eot);
  EXPECT_EQ(Client.ReadLn(Eot), longest);

  Server.SendInPieces({std::string(10000, 'b'), std::string(6385, 'b')}, 20ms);
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.ReadLn(Eot); }), "Maximum line length exceeded.");
}

TEST_F(TcpClientTest, ReadLnFailsWhenTheTerminatorComesOneByteTooLate) {
  ConnectToServer();
  Server.Send(std::string(TTcpConnection::MaxLineLength + 1, 'c') + Eot);
  EXPECT_THROW(Client.ReadLn(Eot), ENetError);
}

TEST_F(TcpClientTest, ReadLnFailsWhenTheServerClosesMidFrame) {
  ConnectToServer();
  Server.Send("whole\x04half a fra");
  Server.Close();
  EXPECT_EQ(Client.ReadLn(Eot), "whole");
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.ReadLn(Eot); }), "Connection closed by the peer.");
  EXPECT_TRUE(Client.Connected()) << "only Disconnect ends the client's side";
}

TEST_F(TcpClientTest, ReadLnFailsWhenTheServerResetsTheConnection) {
  ConnectToServer();
  Server.Send("half a fra");
  Server.Abort();
  EXPECT_THROW(Client.ReadLn(Eot), ENetError);
}

TEST_F(TcpClientTest, DisconnectWakesAReaderBlockedInAnotherThread) {
  ConnectToServer();
  std::weak_ptr<TTcpConnection> watched = Client.Connection();
  auto outcome = std::make_shared<std::promise<std::string>>();
  std::future<std::string> result = outcome->get_future();
  std::thread reader([connection = Client.Connection(), outcome] {
    try {
      outcome->set_value("read " + connection->ReadLn(Eot));
    } catch (const std::exception& error) {
      outcome->set_value(error.what());
    }
  });
  EXPECT_EQ(result.wait_for(200ms), std::future_status::timeout);

  Client.Disconnect();
  if (result.wait_for(5s) != std::future_status::ready) {
    // A reader that never wakes would hold the test run forever.
    reader.detach();
    FAIL() << "the reader is still blocked";
  }
  reader.join();
  EXPECT_EQ(result.get(), "Not Connected");
  EXPECT_FALSE(Client.Connected());
  EXPECT_EQ(DisconnectedEvents, 1);
  // The last holder has let go, so the socket is closed as well as shut down.
  EXPECT_TRUE(watched.expired());
  EXPECT_TRUE(Server.WaitForClientClose());
}

TEST_F(TcpClientTest, WriteRaisesNotConnectedWhileDown) {
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.Write("CS"); }), "Not Connected");
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.ReadLn(Eot); }), "Not Connected");
  Client.Disconnect();
  EXPECT_EQ(DisconnectedEvents, 0);

  ConnectToServer();
  Client.Disconnect();
  EXPECT_EQ(DisconnectedEvents, 1);
  EXPECT_EQ(MessageOf<ENetError>([&] { Client.Write("CS"); }), "Not Connected");
  Client.Disconnect();
  EXPECT_EQ(DisconnectedEvents, 1);
}

TEST_F(TcpClientTest, AStaleConnectionNeverReachesTheNextOne) {
  ConnectToServer();
  const std::shared_ptr<TTcpConnection> old = Client.Connection();
  Client.Disconnect();

  TFakeMeetServer next;
  Client.SetPort(next.Port());
  Client.Connect();
  ASSERT_TRUE(next.WaitForClient());
  const std::shared_ptr<TTcpConnection> current = Client.Connection();
  EXPECT_NE(current->Id(), old->Id());
  EXPECT_FALSE(old->Connected());
  EXPECT_THROW(old->Write("XX"), ENetError);
  EXPECT_THROW(old->ReadLn(Eot), ENetError);

  next.Send("fresh\x04");
  EXPECT_EQ(current->ReadLn(Eot), "fresh");
  Client.Write("CC\x04");
  ASSERT_TRUE(next.WaitForFrames(1));
  EXPECT_EQ(next.Received(), "CC\x04");
  EXPECT_EQ(Server.Received(), "");
}

TEST_F(TcpClientTest, DisconnectStillReportsAConnectionItsReaderClosed) {
  ConnectToServer();
  Server.Abort();
  const std::shared_ptr<TTcpConnection> connection = Client.Connection();
  EXPECT_THROW(connection->ReadLn(Eot), ENetError);
  connection->Close();
  EXPECT_FALSE(Client.Connected());

  Client.Disconnect();
  EXPECT_EQ(DisconnectedEvents, 1);
  EXPECT_EQ(Client.Connection(), nullptr);
}

// A connection that failed under a write and was never disconnected: the next Connect first
// reports it, so its owner takes back what it showed for it.
TEST_F(TcpClientTest, ConnectOverAFailedConnectionReportsItsEndFirst) {
  ConnectToServer();
  Server.Abort();
  std::vector<std::string> events;
  Client.OnDisconnected = [&](TObject*) { events.push_back("disconnected"); };
  Client.OnConnected = [&](TObject*) { events.push_back("connected"); };
  Client.Connection()->Close();
  TFakeMeetServer next;
  Client.SetPort(next.Port());
  Client.Connect();
  EXPECT_EQ(events, (std::vector<std::string>{"disconnected", "connected"}));
  EXPECT_TRUE(Client.Connected());
}

} // namespace
} // namespace marivo
