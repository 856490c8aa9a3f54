#include <cstdio>
#include <cstring>

#include "content/game_texts.h"
#include "netlink/net_game.h"
#include "netplay/online_flow.h"
#include "shell/line_notice.h"
#include "shell/menu_input.h"
#include "shell/scene_links.h"

int8_t onlineSide = -1;

namespace {

// Set once this side has said goodbye (a refusal says why in its own bye),
// so leaving afterwards does not say it twice.
int8_t byeSaid = 0;

void SendBye(int8_t reason) {
    NetMessage bye;
    bye.kind = NetKind::bye;
    bye.bye.reason = reason;
    SendOnline(bye);
    byeSaid = 1;
}

}  // namespace

bool NextOnlineMessage(NetMessage& message) {
    NetLink& link = netGameLink;
    link.Service();
    uint8_t bytes[netMessageMax];
    size_t size = 0;
    // What arrived is read even once the link is lost: a peer leaving
    // gracefully says why just before his disconnect, often in the same
    // service.
    if (link.State() != LinkState::closed && link.Receive(bytes, size)) {
        if (!DecodeNetMessage(bytes, size, message)) {
            // Garbage is never trusted, and a peer that sends it is not
            // spoken to again.
            link.Drop();
            LeaveOnline(Tr(TextName::OnlineLinkLost));
            return false;
        }
        if (message.kind != NetKind::bye) return true;
        byeSaid = 1;  // the peer has gone: nobody to say goodbye to
        LeaveOnline(Tr(message.bye.reason == 1 ? TextName::OnlineMatchOutOfStep : TextName::OnlineLinkLost));
        return false;
    }
    if (link.State() == LinkState::lost) {
        LeaveOnline(Tr(TextName::OnlineLinkLost));
        return false;
    }
    return false;
}

void SendOnline(const NetMessage& message) {
    uint8_t bytes[netMessageMax];
    const size_t size = EncodeNetMessage(message, bytes, sizeof bytes);
    if (size > 0) netGameLink.Send(bytes, size, true);
}

void SayByeOnline(int8_t reason) {
    if (byeSaid == 0 && netGameLink.State() == LinkState::connected) SendBye(reason);
}

void LeaveOnline(const char* message) {
    SayByeOnline(0);
    // The bye goes out before the link closes under it.
    netGameLink.Service();
    CloseNetGame();
    StopLanSearch();
    byeSaid = 0;
    onlineSide = -1;
    ClearLineNotice();
    if (message != nullptr && message[0] != '\0') {
        // A second line after a line break (a refusal naming both builds).
        char first[160];
        std::snprintf(first, sizeof first, "%s", message);
        char* secondLine = std::strchr(first, '\n');
        if (secondLine != nullptr) *secondLine++ = '\0';
        ShowLineNotice(first, secondLine, leftOnlineNoticeMs);
    }
    boxGrowth = 0;
    sceneLinks.returnToMainMenu();
}
