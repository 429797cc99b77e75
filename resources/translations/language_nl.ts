<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>BluetoothPage</name>
    <message>
        <source>SPP名称:</source>
        <translation>SPP-naam:</translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation>BLE:</translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation>SPP-verbindingsmodus:</translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation>Eenvoudig koppelen</translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation>Koppelen met pincode</translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation>SPP-pincode:</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Opmerking: start de printer opnieuw na het wijzigen van deze instelling</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Bewerking geslaagd, start de printer opnieuw</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>lpstat 未安装：未检查打印队列。</source>
        <translation>lpstat is niet geïnstalleerd: afdrukwachtrijen zijn niet gecontroleerd.</translation>
    </message>
    <message>
        <source>没有打印队列指向端口 %1 的 USB 打印机。</source>
        <translation>Geen afdrukwachtrij verwijst naar de USB-printer op poort %1.</translation>
    </message>
    <message>
        <source>打印队列 %1 指向端口 %2 的 USB 打印机。</source>
        <translation>Afdrukwachtrij %1 verwijst naar de USB-printer op poort %2.</translation>
    </message>
    <message>
        <source>队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。</source>
        <translation>Dit programma heeft geen toegang tot de printer terwijl de wachtrij afdrukt: pauzeer de wachtrij tijdens het instellen (cupsdisable %1).</translation>
    </message>
    <message>
        <source>未安装打印机的 USB 访问规则。</source>
        <translation>De USB-toegangsregel voor de printers is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Zonder deze regel kan alleen root de printer openen: kopieer 60-labelsetup-printers.rules naar /etc/udev/rules.d en koppel de printer daarna los en weer aan.</translation>
    </message>
    <message>
        <source>已安装 USB 访问规则：%1</source>
        <translation>USB-toegangsregel geïnstalleerd: %1</translation>
    </message>
    <message>
        <source>无法使用 USB：%1</source>
        <translation>USB kan niet worden gebruikt: %1</translation>
    </message>
    <message>
        <source>检查本机是否允许访问 /dev/bus/usb。</source>
        <translation>Controleer of deze computer toegang tot /dev/bus/usb toestaat.</translation>
    </message>
    <message>
        <source>没有连接此类 USB 打印机。</source>
        <translation>Er is geen USB-printer van dit type aangesloten.</translation>
    </message>
    <message>
        <source>用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。</source>
        <translation>Sluit de printer aan met een USB-kabel en zet hem aan; een USB-hub zonder eigen voeding herkent de printer mogelijk niet.</translation>
    </message>
    <message>
        <source>端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。</source>
        <translation>Op poort %1 is een USB-printer aanwezig (bus %2, apparaat %3).</translation>
    </message>
    <message>
        <source>安装访问规则：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Installeer de toegangsregel: kopieer 60-labelsetup-printers.rules naar /etc/udev/rules.d en koppel de printer daarna los en weer aan.</translation>
    </message>
    <message>
        <source>访问规则已安装但尚未生效：重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>De toegangsregel is geïnstalleerd maar nog niet actief: koppel de printer los en weer aan, of voer &quot;udevadm trigger&quot; uit.</translation>
    </message>
    <message>
        <source>当前用户无权打开端口 %1 的 USB 打印机。</source>
        <translation>De huidige gebruiker mag de USB-printer op poort %1 niet openen.</translation>
    </message>
    <message>
        <source>udevadm 未安装：未检查规则是否作用于打印机。</source>
        <translation>udevadm is niet geïnstalleerd: niet gecontroleerd of de regel op de printer van toepassing is.</translation>
    </message>
    <message>
        <source>访问规则尚未作用于端口 %1 的 USB 打印机。</source>
        <translation>De toegangsregel is nog niet van toepassing op de USB-printer op poort %1.</translation>
    </message>
    <message>
        <source>重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>Koppel de printer los en weer aan, of voer &quot;udevadm trigger&quot; uit.</translation>
    </message>
    <message>
        <source>无法打开端口 %1 的 USB 打印机：%2</source>
        <translation>Kan de USB-printer op poort %1 niet openen: %2</translation>
    </message>
    <message>
        <source>重新插拔打印机后再试。</source>
        <translation>Koppel de printer los en weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>当前用户可以打开端口 %1 的 USB 打印机（%2）。</source>
        <translation>De huidige gebruiker kan de USB-printer op poort %1 openen (%2).</translation>
    </message>
    <message>
        <source>内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。</source>
        <translation>Een kerneldriver (meestal usblp) bezet de interface van de USB-printer op poort %1.</translation>
    </message>
    <message>
        <source>本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，或用 &quot;modprobe -r usblp&quot; 卸载驱动。</source>
        <translation>Dit programma koppelt de driver tijdelijk los tijdens de communicatie; als een ander programma er tegelijk via afdrukt, stop dat programma dan eerst of verwijder de driver met &quot;modprobe -r usblp&quot;.</translation>
    </message>
    <message>
        <source>没有内核驱动占用端口 %1 的 USB 打印机。</source>
        <translation>Geen kerneldriver bezet de USB-printer op poort %1.</translation>
    </message>
    <message>
        <source>%1 不在本机任何网络接口的子网内。</source>
        <translation>%1 ligt niet in het subnet van een netwerkinterface van deze computer.</translation>
    </message>
    <message>
        <source>打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP 地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。</source>
        <translation>De printer moet in hetzelfde netwerk zitten als deze computer of via een router bereikbaar zijn: controleer het IP-adres en het subnetmasker op de zelftestpagina van de printer, of wijzig ze via USB op de instellingenpagina Ethernet/WiFi.</translation>
    </message>
    <message>
        <source>%1 位于本机接口 %2 的子网内。</source>
        <translation>%1 ligt in het subnet van interface %2 van deze computer.</translation>
    </message>
    <message>
        <source>ip 未安装：未检查路由。</source>
        <translation>ip is niet geïnstalleerd: de route is niet gecontroleerd.</translation>
    </message>
    <message>
        <source>路由：%1</source>
        <translation>Route: %1</translation>
    </message>
    <message>
        <source>没有通往 %1 的路由。</source>
        <translation>Er is geen route naar %1.</translation>
    </message>
    <message>
        <source>请为本机设置默认网关，或将本机接入打印机所在的网络。</source>
        <translation>Stel een standaardgateway in op deze computer of verbind deze computer met het netwerk van de printer.</translation>
    </message>
    <message>
        <source>%1 的端口 %2 接受连接。</source>
        <translation>%1 accepteert verbindingen op poort %2.</translation>
    </message>
    <message>
        <source>%1 拒绝了端口 %2 上的连接。</source>
        <translation>%1 heeft de verbinding op poort %2 geweigerd.</translation>
    </message>
    <message>
        <source>请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。</source>
        <translation>Controleer de poort: de opdrachtpoort van de printer staat op de Ethernet-instellingenpagina (9100 als deze niet is gewijzigd).</translation>
    </message>
    <message>
        <source>%1 在 %3 毫秒内未在端口 %2 上应答。</source>
        <translation>%1 heeft binnen %3 ms niet geantwoord op poort %2.</translation>
    </message>
    <message>
        <source>请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。</source>
        <translation>Controleer of de printer aan staat en in dit netwerk zit en dat geen firewall de verbinding blokkeert.</translation>
    </message>
    <message>
        <source>打印机应答了信息查询：%1</source>
        <translation>De printer heeft op de informatieaanvraag geantwoord: %1</translation>
    </message>
    <message>
        <source>端口接受了连接，但打印机未应答信息查询。</source>
        <translation>De poort heeft de verbinding geaccepteerd, maar de printer heeft niet op de informatieaanvraag geantwoord.</translation>
    </message>
    <message>
        <source>可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。</source>
        <translation>Mogelijk gebruikt een ander programma de printer, of hoort de poort bij een ander apparaat: herstart de printer en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>打印机应答了 UDP 端口 %1 上的搜索请求。</source>
        <translation>De printer heeft geantwoord op het zoekverzoek op UDP-poort %1.</translation>
    </message>
    <message>
        <source>UDP 端口 %1 上的搜索请求没有应答。</source>
        <translation>Geen antwoord op het zoekverzoek op UDP-poort %1.</translation>
    </message>
    <message>
        <source>本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同：列表搜索找不到它，但按地址打开仍可使用。</source>
        <translation>Mogelijk blokkeert de firewall van deze computer de antwoorden van de printer (sta UDP-poort %1 toe), of gebruikt de printer een andere zoekpoort: het zoeken in de lijst vindt hem niet, maar openen via het adres werkt nog wel.</translation>
    </message>
    <message>
        <source>无法解析地址 %1。</source>
        <translation>Kan adres %1 niet omzetten.</translation>
    </message>
    <message>
        <source>请输入打印机自检页上显示的 IP 地址。</source>
        <translation>Voer het IP-adres in dat op de zelftestpagina van de printer staat.</translation>
    </message>
    <message>
        <source>未查询：端口不接受连接。</source>
        <translation>Niet opgevraagd: de poort accepteert geen verbindingen.</translation>
    </message>
    <message>
        <source>USB 打印机</source>
        <translation>USB-printer</translation>
    </message>
    <message>
        <source>USB 访问权限</source>
        <translation>USB-toegang</translation>
    </message>
    <message>
        <source>udev 规则</source>
        <translation>udev-regel</translation>
    </message>
    <message>
        <source>udev 规则已生效</source>
        <translation>udev-regel actief</translation>
    </message>
    <message>
        <source>内核驱动</source>
        <translation>Kernelstuurprogramma</translation>
    </message>
    <message>
        <source>打印队列</source>
        <translation>Afdrukwachtrijen</translation>
    </message>
    <message>
        <source>打印机地址</source>
        <translation>Printeradres</translation>
    </message>
    <message>
        <source>子网</source>
        <translation>Subnet</translation>
    </message>
    <message>
        <source>路由</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>TCP 端口</source>
        <translation>TCP-poort</translation>
    </message>
    <message>
        <source>打印机应答</source>
        <translation>Antwoord van de printer</translation>
    </message>
    <message>
        <source>发现端口</source>
        <translation>Zoekpoort</translation>
    </message>
    <message>
        <source>%1 无法到达：%2。</source>
        <translation>%1 is niet bereikbaar: %2.</translation>
    </message>
    <message>
        <source>本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。</source>
        <translation>Deze computer heeft geen weg naar dat netwerk: controleer de netwerkverbinding, het adres en de gateway.</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Niet op dit systeem</translation>
    </message>
    <message>
        <source>未检查搜索端口：按地址连接不用它。</source>
        <translation>Zoekpoort niet gecontroleerd: een verbinding via het adres gebruikt die niet.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>连接方式</source>
        <translation>Verbindingstype</translation>
    </message>
    <message>
        <source>有线网络</source>
        <translation>E&amp;thernet</translation>
    </message>
    <message>
        <source>无线网络</source>
        <translation>&amp;Wifi</translation>
    </message>
    <message>
        <source>蓝牙(&amp;B)</source>
        <translation>&amp;Bluetooth</translation>
    </message>
    <message>
        <source>串口(&amp;P)</source>
        <translation>Seriële &amp;poort</translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation>IP-verbinding</translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation>Apparaat-IP:</translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation>TCP-poort:</translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation>UDP-poort:</translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation>Seriële parameters</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Pariteit:</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Oneven</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Databits:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stopbits:</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Apparatenlijst</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation>&amp;Zoeken stoppen</translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation>Controleer of het communicatieapparaat is ingeschakeld</translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation>Selecteer eerst een printer in de lijst</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation>Time-out bij verbinden, probeer het opnieuw!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Verbinding geslaagd!</translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation>Succesvol gesloten!</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)</source>
        <translation>Ve&amp;rbindingsdiagnose</translation>
    </message>
    <message>
        <source>导出诊断报告(&amp;E)…</source>
        <translation>&amp;Diagnoserapport exporteren…</translation>
    </message>
    <message>
        <source>打印机群(&amp;F)…</source>
        <translation>P&amp;ark…</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Printers zoeken</translation>
    </message>
    <message>
        <source>打开打印机</source>
        <translation>Printer openen</translation>
    </message>
    <message>
        <source>关闭打印机</source>
        <translation>Printer sluiten</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>消息区</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>Verzendgebied</translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation>&amp;HEX verzenden</translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation>HE&amp;X ontvangen</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>V&amp;erzenden</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Besta&amp;nd verzenden</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>Verzenden w&amp;issen</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>Ontvan&amp;gst wissen</translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation>Verzendvoortgang</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download geslaagd</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Apparaat niet geopend!</translation>
    </message>
    <message>
        <source>此十六进制字符串格式无效。</source>
        <translation>Deze hexadecimale tekenreeks is ongeldig.</translation>
    </message>
    <message>
        <source>发送失败！请重试</source>
        <translation>Verzenden mislukt! Probeer het opnieuw</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>发送文件 %1，%2 字节</source>
        <translation>Bestand %1 verzenden, %2 bytes</translation>
    </message>
    <message>
        <source>第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格</source>
        <translation>Verkeerde spatiëring bij teken %1: precies één spatie tussen bytes, geen regeleinde, geen aan begin of eind</translation>
    </message>
    <message>
        <source>第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F</source>
        <translation>Teken %1 ‘%2’ is geen hexadecimaal cijfer: verwacht 0-9 of A-F</translation>
    </message>
    <message>
        <source>发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40</source>
        <translation>Het verzendgebied is leeg: verwacht hexadecimale cijfers in paren, gescheiden door spaties, bijv. 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40</source>
        <translation>Meer dan twee cijfers vanaf teken %1: zet één spatie tussen de bytes, bijv. 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F</source>
        <translation>Oneven aantal hexadecimale cijfers vanaf teken %1: elke byte heeft twee cijfers, bijv. 0F</translation>
    </message>
    <message>
        <source>已取消：已发送 %1/%2 块</source>
        <translation>Geannuleerd: %1/%2 blokken verzonden</translation>
    </message>
    <message>
        <source>发送 %1/%2 块</source>
        <translation>Verzenden %1/%2 blokken</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Gegevens verzenden</translation>
    </message>
</context>
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation>Controleer of de bijbehorende afpeller op de printer is gemonteerd/aangesloten</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>DiagnosticsActions</name>
    <message>
        <source>正在诊断…</source>
        <translation>Bezig met diagnose…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>连接诊断结果</source>
        <translation>Resultaten van de verbindingsdiagnose</translation>
    </message>
    <message>
        <source>未输入地址：只检查 USB 打印机。</source>
        <translation>Geen adres ingevoerd: alleen USB-printers worden gecontroleerd.</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>建议</source>
        <translation>Advies</translation>
    </message>
    <message>
        <source>导出诊断报告…</source>
        <translation>Diagnoserapport exporteren…</translation>
    </message>
    <message>
        <source>诊断报告 (*.json)</source>
        <translation>Diagnoserapporten (*.json)</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Niet op dit systeem</translation>
    </message>
    <message>
        <source>只检查网络打印机 %1。</source>
        <translation>Alleen de netwerkprinter %1 wordt gecontroleerd.</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>Verbindingsdiagnose</translation>
    </message>
</context>
<context>
    <name>DistancePage</name>
    <message>
        <source>距离设置</source>
        <translation>Afstanden</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation>Papieruitvoer tot printkop (dot):</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation>Tussenruimtesensor tot printkop (mm):</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation>Zwarte-markeringsensor tot printkop (mm):</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation>Printkop tot afscheurpositie (dot):</translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation>Opmerking: 1mm = 8dot</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation>Opmerking: 1mm = 12dot</translation>
    </message>
</context>
<context>
    <name>DistributeNet</name>
    <message>
        <source>WIFI配网</source>
        <translation>Wifi-configuratie</translation>
    </message>
    <message>
        <source>请选择WiFi网络</source>
        <translation>Selecteer een wifi-netwerk</translation>
    </message>
    <message>
        <source>可用WiFi列表（点击选择）</source>
        <translation>Beschikbare wifi-netwerken (klik om te kiezen)</translation>
    </message>
    <message>
        <source>所选WiFi</source>
        <translation>Geselecteerde wifi</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>请输入WiFi密码</source>
        <translation>Voer het wifi-wachtwoord in</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>选择手动输入</source>
        <translation>&amp;Handmatig invoeren</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>开始配网</source>
        <translation>&amp;Configuratie starten</translation>
    </message>
    <message>
        <source>扫描中...</source>
        <translation>Scannen...</translation>
    </message>
    <message>
        <source>(当前连接)</source>
        <translation>(verbonden)</translation>
    </message>
    <message>
        <source>请输入WiFi名称</source>
        <translation>Voer de wifi-naam in</translation>
    </message>
    <message>
        <source>请刷新列表，或选择手动输入WiFi名称</source>
        <translation>Vernieuw de lijst of kies ervoor de wifi-naam handmatig in te voeren</translation>
    </message>
    <message>
        <source>请选择一个WiFi</source>
        <translation>Selecteer een wifi-netwerk</translation>
    </message>
    <message>
        <source>找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。</source>
        <translation>Het wifi-zoekprogramma “%1” is niet gevonden: vink “Handmatig invoeren” aan en typ de netwerknaam.</translation>
    </message>
    <message>
        <source>没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。</source>
        <translation>Geen netwerken gevonden: vink “Handmatig invoeren” aan en typ de netwerknaam, of vernieuw de lijst later.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>打印机：%1</source>
        <translation>Printer: %1</translation>
    </message>
</context>
<context>
    <name>DownloadPanel</name>
    <message>
        <source>固件与字库下载</source>
        <translation>Firmware en lettertypen downloaden</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>&amp;Firmware downloaden</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>&amp;Lettertype downloaden</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download geslaagd</translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation>Wacht tot het lampje van de printer niet meer knippert</translation>
    </message>
    <message>
        <source>HEX File</source>
        <translation>HEX-bestand</translation>
    </message>
    <message>
        <source>HEX Files (*.hex);;All Files (*)</source>
        <translation>HEX-bestanden (*.hex);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>BIN File</source>
        <translation>BIN-bestand</translation>
    </message>
    <message>
        <source>BIN Files (*.bin);;All Files (*)</source>
        <translation>BIN-bestanden (*.bin);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>下载固件 %1，%2 字节</source>
        <translation>Firmware %1 downloaden, %2 bytes</translation>
    </message>
    <message>
        <source>下载字库 %1，%2 字节</source>
        <translation>Lettertype %1 downloaden, %2 bytes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Verbinding mislukt: </translation>
    </message>
    <message>
        <source>连接失败: </source>
        <translation>Verbinding mislukt: </translation>
    </message>
    <message>
        <source>%1 下载失败：%2</source>
        <translation>%1: downloaden mislukt: %2</translation>
    </message>
    <message>
        <source>%1 下载完成</source>
        <translation>%1: downloaden voltooid</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>EthernetPage</name>
    <message>
        <source>IP模式：</source>
        <translation>IP-modus:</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnetmasker:</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP-poort:</translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation>UDP-poort:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Opmerking: start de printer opnieuw na het wijzigen van deze instelling</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>地址格式错误，请输入如192.168.1.100的四段地址</source>
        <translation>Ongeldige adresnotatie, voer een adres van vier delen in, zoals 192.168.1.100</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Bewerking geslaagd, start de printer opnieuw</translation>
    </message>
</context>
<context>
    <name>FleetJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Het wijzigingslogboek %1 kan niet worden geschreven; wijzigingen worden niet vastgelegd</translation>
    </message>
</context>
<context>
    <name>FleetModel</name>
    <message>
        <source>无法连接</source>
        <translation>Onbereikbaar</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>厂商</source>
        <translation>Fabrikant</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>最后应答</source>
        <translation>Laatste antwoord</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Afwijking</translation>
    </message>
</context>
<context>
    <name>FleetRun</name>
    <message>
        <source>%1/%2 台打印机</source>
        <translation>%1/%2 printers</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>打印机群</source>
        <translation>Printerpark</translation>
    </message>
    <message>
        <source>地址[:端口]，或 usb:端口</source>
        <translation>adres[:poort] of usb:poort</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>扫描网段(&amp;R)…</source>
        <translation>&amp;Bereik scannen…</translation>
    </message>
    <message>
        <source>导入目标文件(&amp;I)…</source>
        <translation>&amp;Doelen importeren…</translation>
    </message>
    <message>
        <source>搜索(&amp;C)</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>应用配置(&amp;P)…</source>
        <translation>&amp;Profiel toepassen…</translation>
    </message>
    <message>
        <source>下载固件(&amp;F)…</source>
        <translation>&amp;Firmware…</translation>
    </message>
    <message>
        <source>下载字库(&amp;O)…</source>
        <translation>&amp;Lettertype…</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>T&amp;estpagina</translation>
    </message>
    <message>
        <source>导出清单(&amp;E)…</source>
        <translation>&amp;Inventaris exporteren…</translation>
    </message>
    <message>
        <source>移除(&amp;M)</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>轮询间隔</source>
        <translation>Opvragen elke</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>并行</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>期望固件版本</source>
        <translation>Verwachte firmware</translation>
    </message>
    <message>
        <source>不检查</source>
        <translation>niet gecontroleerd</translation>
    </message>
    <message>
        <source>扫描网段</source>
        <translation>Bereik scannen</translation>
    </message>
    <message>
        <source>正在扫描 %1 个地址…</source>
        <translation>%1 adressen worden gescand…</translation>
    </message>
    <message>
        <source>找到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 printers gevonden, waarvan %2 nieuw.</translation>
    </message>
    <message>
        <source>导入目标文件</source>
        <translation>Doelen importeren</translation>
    </message>
    <message>
        <source>目标文件 (*.txt *.list);;所有文件 (*)</source>
        <translation>Doelbestanden (*.txt *.list);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>Kan %1 niet lezen</translation>
    </message>
    <message>
        <source>第 %1 行不是地址：%2</source>
        <translation>Regel %1 is geen adres: %2</translation>
    </message>
    <message>
        <source>%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5</source>
        <translation>%1 printers: %2 gereed, %3 bezig, %4 vragen aandacht, %5 onbereikbaar</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Profiel toepassen</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profielen (*.json);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>无法使用 %1：%2</source>
        <translation>Kan %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>校验不符 %1 项</source>
        <translation>%1 anders teruggelezen</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>%1 verschillend</translation>
    </message>
    <message>
        <source>已写入 %1 项</source>
        <translation>%1 geschreven</translation>
    </message>
    <message>
        <source>没有需要写入的设置。</source>
        <translation>Er hoeft geen instelling geschreven te worden.</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Firmware laden</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Lettertype laden</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>等待中</source>
        <translation>Wacht</translation>
    </message>
    <message>
        <source>无法解密文件</source>
        <translation>Kan het bestand niet ontsleutelen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>成功：%1 → %2</source>
        <translation>Klaar: %1 → %2</translation>
    </message>
    <message>
        <source>版本不符：%1</source>
        <translation>Verkeerde versie: %1</translation>
    </message>
    <message>
        <source>版本未变：%1</source>
        <translation>Versie ongewijzigd: %1</translation>
    </message>
    <message>
        <source>失败：无法连接</source>
        <translation>Mislukt: onbereikbaar</translation>
    </message>
    <message>
        <source>失败：传输中断</source>
        <translation>Mislukt: overdracht afgebroken</translation>
    </message>
    <message>
        <source>已发送自检</source>
        <translation>Test verzonden</translation>
    </message>
    <message>
        <source>导出清单</source>
        <translation>Inventaris exporteren</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;JSON 文件 (*.json)</source>
        <translation>CSV-bestanden (*.csv);;JSON-bestanden (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>niet leesbaar: %1</translation>
    </message>
    <message>
        <source>第 %1 行不完整（文件在此中断）：%2</source>
        <translation>regel %1 is onvolledig (het bestand houdt daar op): %2</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取，%2。
文件保持原样；列表改动后先询问是否覆盖它。</source>
        <translation>De printerlijst %1 kan niet helemaal gelezen worden: %2.
Het bestand blijft zoals het is; verandert de lijst, dan wordt eerst gevraagd of het overschreven mag worden.</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？原文件另存为 %4。</source>
        <translation>De printerlijst %1 kan niet helemaal gelezen worden (%2). Overschrijven met de %3 printers die nu in de lijst staan? Het oude bestand blijft bewaard als %4.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overschrijven</translation>
    </message>
    <message>
        <source>无法另存 %1，清单未写入。</source>
        <translation>Kan %1 niet opslaan; de lijst is niet geschreven.</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>把字库 %1 下载到 %2 台打印机？</source>
        <translation>Het lettertype %1 naar %2 printers downloaden?</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。</source>
        <translation>De firmware %1 naar %2 printers downloaden? Ze starten opnieuw; er is geen verwachte versie opgegeven, de versie wordt niet gecontroleerd.</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。</source>
        <translation>De firmware %1 naar %2 printers downloaden? Ze starten opnieuw en horen daarna versie %3 te melden.</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>写入并校验？</source>
        <translation>Schrijven en controleren?</translation>
    </message>
    <message>
        <source>网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 65536 个地址（/16）。</source>
        <translation>Bereik (bijv. 192.168.1.0/24 of 192.168.1.10-60), eventueel met :poort. Hoogstens 65536 adressen (/16) tegelijk.</translation>
    </message>
    <message>
        <source>（未知）</source>
        <translation>(onbekend)</translation>
    </message>
    <message>
        <source>%1 台打印机共 %2 项设置与配置不同：</source>
        <translation>%2 instellingen op %1 printers wijken af van het profiel:</translation>
    </message>
    <message>
        <source>不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，一次最多 65536 个地址。</source>
        <translation>Geen bereik dat gescand kan worden: %1. Verwacht a.b.c.d/n (n minstens 16) of a.b.c.d-e, hoogstens 65536 adressen tegelijk.</translation>
    </message>
    <message>
        <source>搜索到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 printers gevonden, waarvan %2 nieuw.</translation>
    </message>
    <message>
        <source>不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。</source>
        <translation>Geen adres: %1. Verwacht adres[:poort] (poort 1 tot 65535) of usb:poort (1 tot 255).</translation>
    </message>
    <message>
        <source>正在搜索…</source>
        <translation>Zoeken…</translation>
    </message>
    <message>
        <source>正在搜索打印机…</source>
        <translation>Printers zoeken…</translation>
    </message>
    <message>
        <source>%1 是网段，不是一个地址：网段请用“扫描网段…”。</source>
        <translation>%1 is een bereik, geen enkel adres: scan bereiken met ‘Bereik scannen…’.</translation>
    </message>
    <message>
        <source>%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。</source>
        <translation>%1 is geen IPv4-adres: verwacht vier getallen van 0 tot 255, bijv. 192.168.1.20.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，进行中的在下一帧处停止，其余的不再开始。</source>
        <translation>Er loopt nog een bewerking. Annuleren en het venster sluiten? Klaar zijnde printers blijven zoals ze zijn, lopende stoppen bij het volgende frame, de rest wordt niet begonnen.</translation>
    </message>
    <message>
        <source>取消并关闭</source>
        <translation>Annuleren en sluiten</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annuleren…</translation>
    </message>
    <message>
        <source>已取消：未开始</source>
        <translation>Geannuleerd: niet begonnen</translation>
    </message>
    <message>
        <source>已取消：中途停止</source>
        <translation>Geannuleerd: halverwege gestopt</translation>
    </message>
    <message>
        <source>扫描已取消。</source>
        <translation>Scan geannuleerd.</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Printers zoeken</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>Ontsleutelen</translation>
    </message>
    <message>
        <source>未开始：先试的打印机失败</source>
        <translation>Niet begonnen: een eerst geprobeerde printer mislukte</translation>
    </message>
    <message>
        <source>先试 N 台</source>
        <translation>Eerst N proberen</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>继续未完成的</source>
        <translation>Onvoltooide hervatten</translation>
    </message>
    <message>
        <source>%1：不同</source>
        <translation>%1: wijkt af</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Niet leesbaar</translation>
    </message>
    <message>
        <source>检查偏差(&amp;D)…</source>
        <translation>Af&amp;wijking…</translation>
    </message>
    <message>
        <source>检查偏差</source>
        <translation>Afwijking controleren</translation>
    </message>
</context>
<context>
    <name>FunctionPage</name>
    <message>
        <source>基本功能</source>
        <translation>Basisfuncties</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Zelftestpa&amp;gina afdrukken</translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation>Printer herstarten (&amp;3)</translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation>Print&amp;er initialiseren</translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation>Sensorkalibratie</translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation>Tussenruimtekalibratie (&amp;J)</translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation>Zwarte-markeringkalibratie (&amp;4)</translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation>DAC-&amp;kalibratie</translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation>Papier-op-kalibratie (&amp;Q)</translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation>Kal&amp;ibratie uitvoersensor</translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation>Snijmodus</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>Vo&amp;lledig snijden</translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation>S&amp;nijmes uit</translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation>A&amp;fpelmodus</translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation>Afscheur&amp;modus</translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation>Toetsen en zoemer</translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation>Toetsen aan (&amp;H)</translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation>Toetsen uit (&amp;C)</translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation>Zoemer aan (&amp;2)</translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation>Zoemer uit (&amp;1)</translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation>Printerinformatie</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmwareversie:</translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation>Resolutie (DPI):</translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation>Max. afdrukbreedte (mm):</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>获取打印机信息(&amp;X)</source>
        <translation>Printerinfo ophalen (&amp;X)</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>Printerstatus</translation>
    </message>
    <message>
        <source>获取打印机状态(&amp;Z)</source>
        <translation>Printerstatus ophalen (&amp;Y)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Apparaat niet geopend!</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Controleer of de printer is verbonden</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，之后连接会关闭。
确定要初始化打印机吗？</source>
        <translation>De printer wordt teruggezet naar de fabrieksinstellingen: de opgeslagen afdruk-, afstands-, netwerk-, Bluetooth- en seriële instellingen worden gewist en daarna wordt de verbinding gesloten.
De printer initialiseren?</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Initialiseren</translation>
    </message>
    <message>
        <source>读取打印机信息</source>
        <translation>Printerinformatie lezen</translation>
    </message>
    <message>
        <source>读取打印机状态</source>
        <translation>Printerstatus lezen</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>操作进度</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>在下一帧之前停止正在进行的操作</source>
        <translation>De lopende bewerking vóór het volgende frame stoppen</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annuleren…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation>Instellingstool voor labelprinters </translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Afdrukinstellingen</translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation>Afstanden</translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation>Wifi-instellingen</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Bluetooth-instellingen</translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation>Ethernet-instellingen</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Seriële poort</translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation>Afpeller-instellingen</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Functies</translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation>Onderhoud en update</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation>Bewerking geslaagd</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Controleer of de printer is verbonden</translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation>USB-communicatiefout, probeer het opnieuw</translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation>Netwerkcommunicatiefout, probeer het opnieuw</translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation>Bluetooth-communicatiefout, probeer het opnieuw</translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation>Seriële communicatiefout, probeer het opnieuw</translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation>Open eerst het apparaat</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Bezig met afdrukken</translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation>Papier op</translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation>Papier bijna op</translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation>Papierstoring</translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation>Lint bijna op</translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation>Geen lint</translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation>Printkop oververhit</translation>
    </message>
    <message>
        <source>开盖</source>
        <translation>Klep open</translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation>Positioneringsfout (zwarte markering of tussenruimte)</translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation>Snijmesfout</translation>
    </message>
    <message>
        <source>升级中</source>
        <translation>Bezig met bijwerken</translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation>Updatefout</translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation>Commandofout</translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation>Afdrukken gepauzeerd</translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation>Afdruktaak verwijderd</translation>
    </message>
    <message>
        <source>演示模式：模拟打印机 %1:%2</source>
        <translation>Demomodus: gesimuleerde printer %1:%2</translation>
    </message>
    <message>
        <source>%1：输入无效，允许范围为 %2 至 %3</source>
        <translation>%1: ongeldige invoer, toegestaan bereik is %2 tot %3</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>读取失败，请重试</source>
        <translation>Lezen mislukt, probeer het opnieuw</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>未打开打印机</source>
        <translation>Geen printer geopend</translation>
    </message>
    <message>
        <source>连接已关闭：请重新打开打印机，再读取和设置。</source>
        <translation>Verbinding gesloten: open de printer opnieuw voordat u leest of instelt.</translation>
    </message>
    <message>
        <source>已连接：%1 · %2</source>
        <translation>Verbonden: %1 · %2</translation>
    </message>
    <message>
        <source>，TCP端口 %1</source>
        <translation>, TCP-poort %1</translation>
    </message>
    <message>
        <source>读取和设置标签打印机、下载固件与字库、WiFi配网。</source>
        <translation>Leest en stelt labelprinters in, laadt firmware en lettertypen en richt wifi in.</translation>
    </message>
    <message>
        <source>许可证：MIT（随附 LICENSE 文件）</source>
        <translation>Licentie: MIT (zie het bestand LICENSE)</translation>
    </message>
    <message>
        <source>保存配置(&amp;A)…</source>
        <translation>Pro&amp;fiel opslaan…</translation>
    </message>
    <message>
        <source>应用配置(&amp;Y)…</source>
        <translation>Profi&amp;el toepassen…</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>应用配置后尚未读取</source>
        <translation>Niet gelezen sinds het profiel is toegepast</translation>
    </message>
    <message>
        <source>配网后尚未读取</source>
        <translation>Niet gelezen sinds de wifi-configuratie</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>niet verbonden</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Wijzigingslogboek</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>此型号的打印机不接受字库下载</source>
        <translation>dit printermodel neemt geen lettertype aan</translation>
    </message>
    <message>
        <source>文件为空，没有可下载的内容：%1</source>
        <translation>het bestand is leeg, niets te downloaden: %1</translation>
    </message>
    <message>
        <source>无法读取所选文件：%1</source>
        <translation>Het gekozen bestand kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>无法在文件所在的文件夹中创建解密文件：%1</source>
        <translation>Het ontsleutelde bestand kan niet worden aangemaakt in de map van het bestand: %1</translation>
    </message>
    <message>
        <source>解密失败，文件未发送。</source>
        <translation>Ontsleutelen mislukt; het bestand is niet verzonden.</translation>
    </message>
    <message>
        <source>无法连接到 %1</source>
        <translation>kan geen verbinding maken met %1</translation>
    </message>
    <message>
        <source>打印机正忙：另一项操作或文件传送正在进行</source>
        <translation>de printer is bezet: een andere bewerking of bestandsoverdracht loopt</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>应答无效</source>
        <translation>ongeldig antwoord</translation>
    </message>
    <message>
        <source>打印机正忙</source>
        <translation>de printer is bezet</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>niet verbonden</translation>
    </message>
    <message>
        <source>USB 传输失败</source>
        <translation>USB-overdracht mislukt</translation>
    </message>
    <message>
        <source>无法打开 USB 设备</source>
        <translation>het USB-apparaat kan niet worden geopend</translation>
    </message>
    <message>
        <source>网络无应答或连接中断</source>
        <translation>geen tijdig antwoord, of de verbinding werd verbroken</translation>
    </message>
    <message>
        <source>通信失败（%1）</source>
        <translation>communicatie mislukt (%1)</translation>
    </message>
    <message>
        <source>打印机没有应答%1查询（%2）</source>
        <translation>de printer beantwoordde de vraag %1 niet (%2)</translation>
    </message>
    <message>
        <source>打印机没有接受%1（%2）</source>
        <translation>de printer nam %1 niet aan (%2)</translation>
    </message>
    <message>
        <source>打印机没有确认收到%1（%2）</source>
        <translation>de printer bevestigde %1 niet (%2)</translation>
    </message>
    <message>
        <source>已发送，未确认</source>
        <translation>verzonden, niet bevestigd</translation>
    </message>
    <message>
        <source>打印机在限定时间内没有重新应答（%1）</source>
        <translation>de printer antwoordde niet op tijd opnieuw (%1)</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>de printer</translation>
    </message>
    <message>
        <source>配置被拒绝，未发送任何设置：%1</source>
        <translation>geweigerd, niets verzonden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项设置读回的值不同</source>
        <translation>
            <numerusform>%n instelling anders teruggelezen</numerusform>
            <numerusform>%n instellingen anders teruggelezen</numerusform>
        </translation>
    </message>
    <message>
        <source>已中断，未开始：%1</source>
        <translation>onderbroken, niet begonnen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项待更改</source>
        <translation>
            <numerusform>%n te wijzigen</numerusform>
            <numerusform>%n te wijzigen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已写入 %n 项</source>
        <translation>
            <numerusform>%n geschreven</numerusform>
            <numerusform>%n geschreven</numerusform>
        </translation>
    </message>
    <message>
        <source>；重启打印机后网络设置生效</source>
        <translation>; herstart de printer voor de netwerkwijziging</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>de bytes</translation>
    </message>
    <message>
        <source>打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效</source>
        <translation>station %1 ingesteld; herstart de printer voor de wifi-wijziging</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Kan bestand niet schrijven: %1</translation>
    </message>
    <message>
        <source>诊断报告已保存到 %1</source>
        <translation>Diagnoserapport opgeslagen in %1</translation>
    </message>
    <message>
        <source>%1 未在限定时间内完成</source>
        <translation>%1 was niet binnen de tijdslimiet klaar</translation>
    </message>
    <message>
        <source>超过限定时间</source>
        <translation>tijdslimiet overschreden</translation>
    </message>
    <message>
        <source>已取消：%1 尚未开始，什么也没有发送</source>
        <translation>Geannuleerd: %1 was nog niet begonnen, er is niets verzonden</translation>
    </message>
    <message>
        <source>已取消：文件尚未开始发送</source>
        <translation>Geannuleerd: het verzenden van het bestand was nog niet begonnen</translation>
    </message>
    <message>
        <source>已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分</source>
        <translation>Geannuleerd: %1, %3 van %2 bytes; de printer heeft slechts een deel van het bestand ontvangen</translation>
    </message>
    <message>
        <source>已发送 %1/%2 块</source>
        <translation>%1/%2 blokken verzonden</translation>
    </message>
    <message>
        <source>已取消：%1 在下一帧之前停下</source>
        <translation>Geannuleerd: %1 gestopt vóór het volgende frame</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>geannuleerd</translation>
    </message>
</context>
<context>
    <name>PageBinding</name>
    <message>
        <source>读取设置</source>
        <translation>Instellingen lezen</translation>
    </message>
    <message>
        <source>读取 %1/%2</source>
        <translation>Lezen %1/%2</translation>
    </message>
    <message>
        <source>读取已取消：已读取 %1/%2 项，页面未读取</source>
        <translation>Lezen geannuleerd: %1/%2 items gelezen, de pagina is niet gelezen</translation>
    </message>
    <message>
        <source>写入设置</source>
        <translation>Instellingen schrijven</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>Schrijven %1/%2</translation>
    </message>
    <message>
        <source>写入已取消：已发送 %1 帧，其余未发送</source>
        <translation>Schrijven geannuleerd: %1 frames verzonden, de rest niet</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>打印速度：</source>
        <translation>Afdruksnelheid:</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>Afdrukdichtheid:</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation>Tussenruimte etiketten (mm):</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation>Afstand zwarte markering (mm):</translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation>Afdrukrichting:</translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation>Rotatie 0°</translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation>Rotatie 180°</translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation>Afdrukwijze:</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Gespiegeld</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation>Afdrukverschuiving (mm):</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation>Verticale verschuiving (mm):</translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation>Afdrukmodus:</translation>
    </message>
    <message>
        <source>热敏</source>
        <translation>Direct thermisch</translation>
    </message>
    <message>
        <source>热转印</source>
        <translation>Thermische transfer</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation>Autom. papierinvoer:</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation>Papiersoort:</translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation>Zwarte markering</translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation>Doorlopend</translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation>Commandoset:</translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation>Standaardcodetabel:</translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation>Menutaal:</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation>Vereenvoudigd Chinees</translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation>Traditioneel Chinees</translation>
    </message>
    <message>
        <source>韩文</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <source>日文</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>泰文</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Hoogte:</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation>Breedte moet 20-108mm zijn, voer opnieuw in</translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation>Hoogte moet 10-1778mm zijn, voer opnieuw in</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>保存配置</source>
        <translation>Profiel opslaan</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Profielbestanden (*.json)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Kan bestand niet schrijven: %1</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>Profiel opgeslagen in %1</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Profiel toepassen</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>Kan profielbestand niet lezen: %1</translation>
    </message>
    <message>
        <source>配置文件无效：%1</source>
        <translation>Ongeldig profielbestand: %1</translation>
    </message>
    <message>
        <source>以下设置在此型号上不存在，已跳过：%1</source>
        <translation>Deze instellingen bestaan niet op dit model en zijn overgeslagen: %1</translation>
    </message>
    <message>
        <source>打印机的设置与配置文件相同，无需写入。</source>
        <translation>De instellingen van de printer komen overeen met het profiel; er hoeft niets te worden geschreven.</translation>
    </message>
    <message>
        <source>将写入以下 %1 项设置：</source>
        <translation>De volgende %1 instellingen worden geschreven:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>打印机中的值</source>
        <translation>Waarde in printer</translation>
    </message>
    <message>
        <source>配置文件中的值</source>
        <translation>Waarde in profiel</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>写入后读回的值与配置文件不同：%1</source>
        <translation>Na het schrijven teruggelezen waarden wijken af van het profiel: %1</translation>
    </message>
    <message>
        <source>配置已应用。WiFi 或网口的更改在打印机重启后生效。</source>
        <translation>Profiel toegepast. Wijzigingen aan WiFi of Ethernet worden van kracht nadat de printer opnieuw is opgestart.</translation>
    </message>
    <message>
        <source>配置已应用。</source>
        <translation>Profiel toegepast.</translation>
    </message>
    <message>
        <source>保存配置已取消：没有保存任何文件</source>
        <translation>Profiel opslaan geannuleerd: er is geen bestand opgeslagen</translation>
    </message>
    <message>
        <source>读取打印机设置</source>
        <translation>Printerinstellingen lezen</translation>
    </message>
    <message>
        <source>应用配置已取消：什么也没有写入</source>
        <translation>Profiel toepassen geannuleerd: er is niets geschreven</translation>
    </message>
    <message>
        <source>应用配置已取消：已写入 %1 项设置，其余未写入</source>
        <translation>Profiel toepassen geannuleerd: %1 instellingen geschreven, de rest niet</translation>
    </message>
</context>
<context>
    <name>ReadStateNote</name>
    <message>
        <source>尚未读取</source>
        <translation>Nog niet gelezen</translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>波特率：</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Pariteit:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Databits:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stopbits:</translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation>Apparaat-SN:</translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation>Apparaatinfo:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Opmerking: start de printer opnieuw na het wijzigen van deze instelling</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>AP_IP</source>
        <translation>AP-IP</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>IP模式</source>
        <translation>IP-modus</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>SPP_PIN码</source>
        <translation>SPP-pincode</translation>
    </message>
    <message>
        <source>SPP名称</source>
        <translation>SPP-naam</translation>
    </message>
    <message>
        <source>SPP连接模式</source>
        <translation>SPP-verbindingsmodus</translation>
    </message>
    <message>
        <source>TCP端口号</source>
        <translation>TCP-poort</translation>
    </message>
    <message>
        <source>UDP端口号</source>
        <translation>UDP-poort</translation>
    </message>
    <message>
        <source>wifi名称</source>
        <translation>Wifi-naam</translation>
    </message>
    <message>
        <source>wifi密码</source>
        <translation>Wifi-wachtwoord</translation>
    </message>
    <message>
        <source>wifi模式</source>
        <translation>Wifi-modus</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stopbits</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)</source>
        <translation>Papieruitvoer tot printkop (dot)</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）</source>
        <translation>Afneemtijd afpeller (s)</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)</source>
        <translation>Verticale verschuiving (mm)</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnetmasker</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)</source>
        <translation>Afdrukverschuiving (mm)</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)</source>
        <translation>Printkop tot afscheurpositie (dot)</translation>
    </message>
    <message>
        <source>打印方向</source>
        <translation>Afdrukrichting</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Afdrukwijze</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>Afdrukmodus</translation>
    </message>
    <message>
        <source>打印浓度</source>
        <translation>Afdrukdichtheid</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>Afdruksnelheid</translation>
    </message>
    <message>
        <source>指令集</source>
        <translation>Commandoset</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Databits</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)</source>
        <translation>Tussenruimte etiketten (mm)</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Pariteit</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>纸张类型</source>
        <translation>Papiersoort</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)</source>
        <translation>Tussenruimtesensor tot printkop (mm)</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>自动吸纸</source>
        <translation>Autom. papierinvoer</translation>
    </message>
    <message>
        <source>设备SN号</source>
        <translation>Apparaat-SN</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Apparaatinfo</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Menutaal</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)</source>
        <translation>Zwarte-markeringsensor tot printkop (mm)</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)</source>
        <translation>Afstand zwarte markering (mm)</translation>
    </message>
    <message>
        <source>默认代码页</source>
        <translation>Standaardcodetabel</translation>
    </message>
</context>
<context>
    <name>StripperPage</name>
    <message>
        <source>剥离器设置</source>
        <translation>Afpeller-instellingen</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation>Afneemtijd afpeller (s):</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>WifiPage</name>
    <message>
        <source>wifi模式：</source>
        <translation>Wifi-modus:</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP-poort:</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>STA-modus</translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation>Wifi-naam:</translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation>Wifi-wachtwoord:</translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation>Opmerking: in AP-modus moet het wifi-wachtwoord minimaal 8 tekens hebben</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Opmerking: start de printer opnieuw na het wijzigen van deze instelling</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>AP-modus</translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation>AP-IP:</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>IP-instellingen</translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation>IP-modus:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnetmasker:</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <source>WIFI配网</source>
        <translation>Wifi-&amp;configuratie</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Instellingstool</translation>
    </message>
    <message>
        <source>AP模式的wifi密码最少为8位</source>
        <translation>In AP-modus moet het wifi-wachtwoord minimaal 8 tekens hebben</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Bewerking geslaagd, start de printer opnieuw</translation>
    </message>
</context>
<context>
    <name>WifiProvisioning</name>
    <message>
        <source>错误</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>WiFi配网</source>
        <translation>WiFi-configuratie</translation>
    </message>
    <message>
        <source>WiFi配网已取消：什么也没有发送</source>
        <translation>WiFi-configuratie geannuleerd: er is niets verzonden</translation>
    </message>
    <message>
        <source>WiFi配网已取消：已切换为站点模式，网络名称和密码未发送</source>
        <translation>WiFi-configuratie geannuleerd: stationmodus ingesteld, netwerknaam en wachtwoord niet verzonden</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Het wijzigingslogboek %1 kan niet worden geschreven; wijzigingen worden niet vastgelegd</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>功能 %1</source>
        <translation>Functie %1</translation>
    </message>
    <message>
        <source>文件 %1（SHA-256 %2）</source>
        <translation>Bestand %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>控制台发送 %1 字节</source>
        <translation>Console: %1 bytes verzonden</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Wijzigingslogboek</translation>
    </message>
    <message>
        <source>变更记录中没有这台打印机的条目。</source>
        <translation>Het wijzigingslogboek bevat geen items voor deze printer.</translation>
    </message>
    <message>
        <source>%1 的变更，最新的在前：</source>
        <translation>Wijzigingen aan %1, nieuwste eerst:</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>操作者</source>
        <translation>Wie</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultaat</translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation>Openen van bestand mislukt: %1</translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation>Verzenden van gegevens naar de printer mislukt.</translation>
    </message>
</context>
<context>
    <name>prompts</name>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
