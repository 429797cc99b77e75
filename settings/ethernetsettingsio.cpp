#include "settings/ethernetsettingsio.h"

#include "protocol/frame.h"
#include "protocol/printersession.h"
#include "settings/netportcodec.h"

int readEthernetSettings(PrinterSession &session, EthernetSettings *out)
{
    PrinterSession::Operation operation(session);
    unsigned char answer[frame::kQueryOutSize];
    // Ports left from another printer would be written back with the addresses.
    const int ports = session.queryInfo(INFO_NET_PORTS, answer);
    if (ports == RESULT_OK) {
        out->tcpPort = frame::u16(answer);
        out->udpPort = frame::u16(answer + 2);
    }
    const int addresses = session.queryInfo(INFO_NET_ADDRESS, answer);
    if (addresses == RESULT_OK) {
        out->dhcp = answer[0] == 0;
        out->ip = netportcodec::dottedAddress(answer + 1);
        out->mask = netportcodec::dottedAddress(answer + 5);
        out->gateway = netportcodec::dottedAddress(answer + 9);
    }
    return ports != RESULT_OK ? ports : addresses;
}

int writeEthernetSettings(PrinterSession &session, const EthernetSettings &s)
{
    PrinterSession::Operation operation(session);
    int addresses = RESULT_OK;
    if (s.dhcp && s.ip && s.mask && s.gateway) {
        // The mode byte is 0 for DHCP on.
        addresses =
            session.sendSet(INFO_NET_ADDRESS, netportcodec::addressFrameData(*s.dhcp ? 0 : 1, *s.ip,
                                                                             *s.mask, *s.gateway));
    }
    int ports = RESULT_OK;
    if (s.tcpPort && s.udpPort)
        ports = session.sendSet(INFO_NET_PORTS, frame::le16(*s.tcpPort) + frame::le16(*s.udpPort));
    return addresses != RESULT_OK ? addresses : ports;
}
