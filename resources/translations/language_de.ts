<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>BluetoothPage</name>
    <message>
        <source>SPP名称:</source>
        <translation>SPP-Name:</translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation>BLE:</translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation>SPP-Verbindungsmodus:</translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation>Einfache Kopplung</translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation>Kopplung mit PIN</translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation>SPP-PIN:</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Hinweis: Nach dieser Einstellung den Drucker neu starten</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Erfolgreich ausgeführt, bitte Drucker neu starten</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>lpstat 未安装：未检查打印队列。</source>
        <translation>lpstat ist nicht installiert: Druckwarteschlangen wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>没有打印队列指向端口 %1 的 USB 打印机。</source>
        <translation>Keine Druckwarteschlange verweist auf den USB-Drucker an Port %1.</translation>
    </message>
    <message>
        <source>打印队列 %1 指向端口 %2 的 USB 打印机。</source>
        <translation>Die Druckwarteschlange %1 verweist auf den USB-Drucker an Port %2.</translation>
    </message>
    <message>
        <source>队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。</source>
        <translation>Während die Warteschlange druckt, kann dieses Programm nicht auf den Drucker zugreifen: Halten Sie die Warteschlange während der Einrichtung an (cupsdisable %1).</translation>
    </message>
    <message>
        <source>未安装打印机的 USB 访问规则。</source>
        <translation>Die USB-Zugriffsregel für die Drucker ist nicht installiert.</translation>
    </message>
    <message>
        <source>没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Ohne diese Regel kann nur root den Drucker öffnen: Kopieren Sie 60-labelsetup-printers.rules nach /etc/udev/rules.d und stecken Sie den Drucker dann aus und wieder ein.</translation>
    </message>
    <message>
        <source>已安装 USB 访问规则：%1</source>
        <translation>USB-Zugriffsregel installiert: %1</translation>
    </message>
    <message>
        <source>无法使用 USB：%1</source>
        <translation>USB kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>检查本机是否允许访问 /dev/bus/usb。</source>
        <translation>Prüfen Sie, ob dieser Rechner den Zugriff auf /dev/bus/usb erlaubt.</translation>
    </message>
    <message>
        <source>没有连接此类 USB 打印机。</source>
        <translation>Es ist kein USB-Drucker dieser Art angeschlossen.</translation>
    </message>
    <message>
        <source>用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。</source>
        <translation>Schließen Sie den Drucker per USB-Kabel an und schalten Sie ihn ein; ein USB-Hub ohne eigene Stromversorgung erkennt den Drucker möglicherweise nicht.</translation>
    </message>
    <message>
        <source>端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。</source>
        <translation>An Port %1 ist ein USB-Drucker angeschlossen (Bus %2, Gerät %3).</translation>
    </message>
    <message>
        <source>安装访问规则：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Installieren Sie die Zugriffsregel: Kopieren Sie 60-labelsetup-printers.rules nach /etc/udev/rules.d und stecken Sie den Drucker dann aus und wieder ein.</translation>
    </message>
    <message>
        <source>访问规则已安装但尚未生效：重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>Die Zugriffsregel ist installiert, aber noch nicht wirksam: Stecken Sie den Drucker aus und wieder ein oder führen Sie &quot;udevadm trigger&quot; aus.</translation>
    </message>
    <message>
        <source>当前用户无权打开端口 %1 的 USB 打印机。</source>
        <translation>Der aktuelle Benutzer darf den USB-Drucker an Port %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>udevadm 未安装：未检查规则是否作用于打印机。</source>
        <translation>udevadm ist nicht installiert: Es wurde nicht geprüft, ob die Regel für den Drucker greift.</translation>
    </message>
    <message>
        <source>访问规则尚未作用于端口 %1 的 USB 打印机。</source>
        <translation>Die Zugriffsregel greift noch nicht für den USB-Drucker an Port %1.</translation>
    </message>
    <message>
        <source>重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>Stecken Sie den Drucker aus und wieder ein oder führen Sie &quot;udevadm trigger&quot; aus.</translation>
    </message>
    <message>
        <source>无法打开端口 %1 的 USB 打印机：%2</source>
        <translation>Der USB-Drucker an Port %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>重新插拔打印机后再试。</source>
        <translation>Stecken Sie den Drucker aus und wieder ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>当前用户可以打开端口 %1 的 USB 打印机（%2）。</source>
        <translation>Der aktuelle Benutzer kann den USB-Drucker an Port %1 öffnen (%2).</translation>
    </message>
    <message>
        <source>内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。</source>
        <translation>Ein Kerneltreiber (meist usblp) belegt die Schnittstelle des USB-Druckers an Port %1.</translation>
    </message>
    <message>
        <source>本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，或用 &quot;modprobe -r usblp&quot; 卸载驱动。</source>
        <translation>Dieses Programm trennt den Treiber während der Kommunikation vorübergehend; falls gleichzeitig ein anderes Programm darüber druckt, beenden Sie dieses zuerst oder entladen Sie den Treiber mit &quot;modprobe -r usblp&quot;.</translation>
    </message>
    <message>
        <source>没有内核驱动占用端口 %1 的 USB 打印机。</source>
        <translation>Kein Kerneltreiber belegt den USB-Drucker an Port %1.</translation>
    </message>
    <message>
        <source>%1 不在本机任何网络接口的子网内。</source>
        <translation>%1 liegt in keinem Subnetz der Netzwerkschnittstellen dieses Rechners.</translation>
    </message>
    <message>
        <source>打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP 地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。</source>
        <translation>Der Drucker muss im selben Netzwerk wie dieser Rechner liegen oder über einen Router erreichbar sein: Prüfen Sie IP-Adresse und Subnetzmaske auf der Selbsttestseite des Druckers oder ändern Sie sie per USB auf der Einstellungsseite Ethernet/WiFi.</translation>
    </message>
    <message>
        <source>%1 位于本机接口 %2 的子网内。</source>
        <translation>%1 liegt im Subnetz der Schnittstelle %2 dieses Rechners.</translation>
    </message>
    <message>
        <source>ip 未安装：未检查路由。</source>
        <translation>ip ist nicht installiert: Die Route wurde nicht geprüft.</translation>
    </message>
    <message>
        <source>路由：%1</source>
        <translation>Route: %1</translation>
    </message>
    <message>
        <source>没有通往 %1 的路由。</source>
        <translation>Es gibt keine Route zu %1.</translation>
    </message>
    <message>
        <source>请为本机设置默认网关，或将本机接入打印机所在的网络。</source>
        <translation>Richten Sie auf diesem Rechner ein Standard-Gateway ein oder verbinden Sie ihn mit dem Netzwerk des Druckers.</translation>
    </message>
    <message>
        <source>%1 的端口 %2 接受连接。</source>
        <translation>%1 nimmt Verbindungen an Port %2 an.</translation>
    </message>
    <message>
        <source>%1 拒绝了端口 %2 上的连接。</source>
        <translation>%1 hat die Verbindung an Port %2 abgelehnt.</translation>
    </message>
    <message>
        <source>请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。</source>
        <translation>Prüfen Sie den Port: Der Befehlsport des Druckers steht auf seiner Ethernet-Einstellungsseite (9100, sofern nicht geändert).</translation>
    </message>
    <message>
        <source>%1 在 %3 毫秒内未在端口 %2 上应答。</source>
        <translation>%1 hat an Port %2 nicht innerhalb von %3 ms geantwortet.</translation>
    </message>
    <message>
        <source>请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。</source>
        <translation>Stellen Sie sicher, dass der Drucker eingeschaltet und in diesem Netzwerk ist und keine Firewall die Verbindung verwirft.</translation>
    </message>
    <message>
        <source>打印机应答了信息查询：%1</source>
        <translation>Der Drucker hat auf die Informationsabfrage geantwortet: %1</translation>
    </message>
    <message>
        <source>端口接受了连接，但打印机未应答信息查询。</source>
        <translation>Der Port hat die Verbindung angenommen, aber der Drucker hat nicht auf die Informationsabfrage geantwortet.</translation>
    </message>
    <message>
        <source>可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。</source>
        <translation>Möglicherweise verwendet ein anderes Programm den Drucker oder der Port gehört zu einem anderen Gerät: Starten Sie den Drucker neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>打印机应答了 UDP 端口 %1 上的搜索请求。</source>
        <translation>Der Drucker hat auf die Suchanfrage an UDP-Port %1 geantwortet.</translation>
    </message>
    <message>
        <source>UDP 端口 %1 上的搜索请求没有应答。</source>
        <translation>Keine Antwort auf die Suchanfrage an UDP-Port %1.</translation>
    </message>
    <message>
        <source>本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同：列表搜索找不到它，但按地址打开仍可使用。</source>
        <translation>Möglicherweise verwirft die Firewall dieses Rechners die Antworten des Druckers (UDP-Port %1 freigeben), oder der Drucker verwendet einen anderen Suchport: Die Listensuche findet ihn nicht, das Öffnen über die Adresse funktioniert aber weiterhin.</translation>
    </message>
    <message>
        <source>无法解析地址 %1。</source>
        <translation>Die Adresse %1 kann nicht aufgelöst werden.</translation>
    </message>
    <message>
        <source>请输入打印机自检页上显示的 IP 地址。</source>
        <translation>Geben Sie die IP-Adresse ein, die auf der Selbsttestseite des Druckers steht.</translation>
    </message>
    <message>
        <source>未查询：端口不接受连接。</source>
        <translation>Nicht abgefragt: Der Port nimmt keine Verbindungen an.</translation>
    </message>
    <message>
        <source>USB 打印机</source>
        <translation>USB-Drucker</translation>
    </message>
    <message>
        <source>USB 访问权限</source>
        <translation>USB-Zugriff</translation>
    </message>
    <message>
        <source>udev 规则</source>
        <translation>udev-Regel</translation>
    </message>
    <message>
        <source>udev 规则已生效</source>
        <translation>udev-Regel wirksam</translation>
    </message>
    <message>
        <source>内核驱动</source>
        <translation>Kernel-Treiber</translation>
    </message>
    <message>
        <source>打印队列</source>
        <translation>Druckwarteschlangen</translation>
    </message>
    <message>
        <source>打印机地址</source>
        <translation>Druckeradresse</translation>
    </message>
    <message>
        <source>子网</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>路由</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>TCP 端口</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>打印机应答</source>
        <translation>Antwort des Druckers</translation>
    </message>
    <message>
        <source>发现端口</source>
        <translation>Suchport</translation>
    </message>
    <message>
        <source>%1 无法到达：%2。</source>
        <translation>%1 ist nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。</source>
        <translation>Dieser Rechner hat keinen Weg in dieses Netz: Prüfen Sie seine Netzwerkverbindung, Adresse und sein Gateway.</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Nicht auf diesem System</translation>
    </message>
    <message>
        <source>未检查搜索端口：按地址连接不用它。</source>
        <translation>Suchport nicht geprüft: eine Verbindung über die Adresse braucht ihn nicht.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>连接方式</source>
        <translation>Verbindungsart</translation>
    </message>
    <message>
        <source>有线网络</source>
        <translation>Et&amp;hernet</translation>
    </message>
    <message>
        <source>无线网络</source>
        <translation>&amp;WLAN</translation>
    </message>
    <message>
        <source>蓝牙(&amp;B)</source>
        <translation>&amp;Bluetooth</translation>
    </message>
    <message>
        <source>串口(&amp;P)</source>
        <translation>S&amp;eriell</translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation>IP-Verbindung</translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation>Geräte-IP:</translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation>TCP-Port:</translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation>UDP-Port:</translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation>Schnittstellenparameter</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation>Su&amp;che stoppen</translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation>&amp;Gerät öffnen</translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation>Gerä&amp;t schließen</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation>Bitte sicherstellen, dass das Kommunikationsgerät eingeschaltet ist</translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation>Bitte zuerst einen Drucker in der Liste auswählen</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation>Zeitüberschreitung der Verbindung, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Verbindung hergestellt!</translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation>Erfolgreich geschlossen!</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)</source>
        <translation>&amp;Verbindungsdiagnose</translation>
    </message>
    <message>
        <source>导出诊断报告(&amp;E)…</source>
        <translation>&amp;Diagnosebericht exportieren…</translation>
    </message>
    <message>
        <source>打印机群(&amp;F)…</source>
        <translation>Druckerflotte (&amp;P)…</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Drucker suchen</translation>
    </message>
    <message>
        <source>打开打印机</source>
        <translation>Drucker öffnen</translation>
    </message>
    <message>
        <source>关闭打印机</source>
        <translation>Drucker schließen</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>消息区</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>Sendebereich</translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation>HE&amp;X senden</translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation>HEX e&amp;mpfangen</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Date&amp;i senden</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>Senden &amp;leeren</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>Emp&amp;fang leeren</translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation>Sendefortschritt</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download erfolgreich</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Gerät nicht geöffnet!</translation>
    </message>
    <message>
        <source>此十六进制字符串格式无效。</source>
        <translation>Diese Hexadezimalzeichenfolge ist ungültig.</translation>
    </message>
    <message>
        <source>发送失败！请重试</source>
        <translation>Senden fehlgeschlagen! Bitte erneut versuchen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>发送文件 %1，%2 字节</source>
        <translation>Datei %1 wird gesendet, %2 Bytes</translation>
    </message>
    <message>
        <source>第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格</source>
        <translation>Falscher Abstand bei Zeichen %1: genau ein Leerzeichen zwischen den Bytes, kein Zeilenumbruch, keines am Anfang oder Ende</translation>
    </message>
    <message>
        <source>第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F</source>
        <translation>Zeichen %1 „%2“ ist keine Hexadezimalziffer: erwartet 0-9 oder A-F</translation>
    </message>
    <message>
        <source>发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40</source>
        <translation>Der Sendebereich ist leer: erwartet werden Hexadezimalziffern paarweise, durch Leerzeichen getrennt, z. B. 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40</source>
        <translation>Mehr als zwei Ziffern ab Zeichen %1: zwischen den Bytes gehört ein Leerzeichen, z. B. 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F</source>
        <translation>Ungerade Anzahl Hexadezimalziffern ab Zeichen %1: jedes Byte braucht zwei Ziffern, z. B. 0F</translation>
    </message>
    <message>
        <source>已取消：已发送 %1/%2 块</source>
        <translation>Abgebrochen: %1/%2 Teile gesendet</translation>
    </message>
    <message>
        <source>发送 %1/%2 块</source>
        <translation>Senden %1/%2 Teile</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Daten senden</translation>
    </message>
</context>
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation>Bitte sicherstellen, dass der passende Spender am Drucker montiert/angeschlossen ist</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DiagnosticsActions</name>
    <message>
        <source>正在诊断…</source>
        <translation>Diagnose läuft…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>连接诊断结果</source>
        <translation>Ergebnis der Verbindungsdiagnose</translation>
    </message>
    <message>
        <source>未输入地址：只检查 USB 打印机。</source>
        <translation>Keine Adresse eingegeben: Es werden nur USB-Drucker geprüft.</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>建议</source>
        <translation>Empfehlung</translation>
    </message>
    <message>
        <source>导出诊断报告…</source>
        <translation>Diagnosebericht exportieren…</translation>
    </message>
    <message>
        <source>诊断报告 (*.json)</source>
        <translation>Diagnoseberichte (*.json)</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Nicht auf diesem System</translation>
    </message>
    <message>
        <source>只检查网络打印机 %1。</source>
        <translation>Nur der Netzwerkdrucker %1 wird geprüft.</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>Verbindungsprüfung</translation>
    </message>
</context>
<context>
    <name>DistancePage</name>
    <message>
        <source>距离设置</source>
        <translation>Abstände</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation>Papierausgang bis Druckkopf (dot):</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation>Lückensensor bis Druckkopf (mm):</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation>Schwarzmarkensensor bis Druckkopf (mm):</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation>Druckkopf bis Abreißkante (dot):</translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation>Hinweis: 1mm = 8dot</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation>Hinweis: 1mm = 12dot</translation>
    </message>
</context>
<context>
    <name>DistributeNet</name>
    <message>
        <source>WIFI配网</source>
        <translation>WLAN-Einrichtung</translation>
    </message>
    <message>
        <source>请选择WiFi网络</source>
        <translation>Bitte ein WLAN auswählen</translation>
    </message>
    <message>
        <source>可用WiFi列表（点击选择）</source>
        <translation>Verfügbare WLANs (zum Auswählen klicken)</translation>
    </message>
    <message>
        <source>所选WiFi</source>
        <translation>Ausgewähltes WLAN</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>请输入WiFi密码</source>
        <translation>Bitte WLAN-Passwort eingeben</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>A&amp;nzeigen</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>选择手动输入</source>
        <translation>&amp;Manuell eingeben</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>开始配网</source>
        <translation>&amp;Einrichtung starten</translation>
    </message>
    <message>
        <source>扫描中...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>(当前连接)</source>
        <translation>(verbunden)</translation>
    </message>
    <message>
        <source>请输入WiFi名称</source>
        <translation>Bitte WLAN-Namen eingeben</translation>
    </message>
    <message>
        <source>请刷新列表，或选择手动输入WiFi名称</source>
        <translation>Liste aktualisieren oder den WLAN-Namen manuell eingeben</translation>
    </message>
    <message>
        <source>请选择一个WiFi</source>
        <translation>Bitte ein WLAN auswählen</translation>
    </message>
    <message>
        <source>找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。</source>
        <translation>Das WLAN-Suchprogramm „%1“ wurde nicht gefunden: „Manuell eingeben“ ankreuzen und den Netzwerknamen eintippen.</translation>
    </message>
    <message>
        <source>没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。</source>
        <translation>Keine Netzwerke gefunden: „Manuell eingeben“ ankreuzen und den Netzwerknamen eintippen oder die Liste später aktualisieren.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>打印机：%1</source>
        <translation>Drucker: %1</translation>
    </message>
</context>
<context>
    <name>DownloadPanel</name>
    <message>
        <source>固件与字库下载</source>
        <translation>Firmware- und Schriftdownload</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Fi&amp;rmware laden</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Schrift lade&amp;n</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download erfolgreich</translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation>Warten, bis die Anzeige am Drucker nicht mehr blinkt</translation>
    </message>
    <message>
        <source>HEX File</source>
        <translation>HEX-Datei</translation>
    </message>
    <message>
        <source>HEX Files (*.hex);;All Files (*)</source>
        <translation>HEX-Dateien (*.hex);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>BIN File</source>
        <translation>BIN-Datei</translation>
    </message>
    <message>
        <source>BIN Files (*.bin);;All Files (*)</source>
        <translation>BIN-Dateien (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>下载固件 %1，%2 字节</source>
        <translation>Firmware %1 wird heruntergeladen, %2 Bytes</translation>
    </message>
    <message>
        <source>下载字库 %1，%2 字节</source>
        <translation>Schriftart %1 wird heruntergeladen, %2 Bytes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Verbindung fehlgeschlagen: </translation>
    </message>
    <message>
        <source>连接失败: </source>
        <translation>Verbindung fehlgeschlagen: </translation>
    </message>
    <message>
        <source>%1 下载失败：%2</source>
        <translation>%1: Download fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 下载完成</source>
        <translation>%1: Download abgeschlossen</translation>
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
        <translation>IP-Modus:</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP-Port:</translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation>UDP-Port:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Hinweis: Nach dieser Einstellung den Drucker neu starten</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>地址格式错误，请输入如192.168.1.100的四段地址</source>
        <translation>Ungültiges Adressformat, bitte eine vierteilige Adresse wie 192.168.1.100 eingeben</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Erfolgreich ausgeführt, bitte Drucker neu starten</translation>
    </message>
</context>
<context>
    <name>FleetJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Das Änderungsprotokoll %1 kann nicht geschrieben werden; Änderungen werden nicht aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>FleetModel</name>
    <message>
        <source>无法连接</source>
        <translation>Nicht erreichbar</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>厂商</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>最后应答</source>
        <translation>Letzte Antwort</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Abweichung</translation>
    </message>
</context>
<context>
    <name>FleetRun</name>
    <message>
        <source>%1/%2 台打印机</source>
        <translation>%1/%2 Drucker</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>打印机群</source>
        <translation>Druckerflotte</translation>
    </message>
    <message>
        <source>地址[:端口]，或 usb:端口</source>
        <translation>Adresse[:Port] oder usb:Port</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>扫描网段(&amp;R)…</source>
        <translation>B&amp;ereich scannen…</translation>
    </message>
    <message>
        <source>导入目标文件(&amp;I)…</source>
        <translation>&amp;Zielliste importieren…</translation>
    </message>
    <message>
        <source>搜索(&amp;C)</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>应用配置(&amp;P)…</source>
        <translation>&amp;Profil anwenden…</translation>
    </message>
    <message>
        <source>下载固件(&amp;F)…</source>
        <translation>&amp;Firmware…</translation>
    </message>
    <message>
        <source>下载字库(&amp;O)…</source>
        <translation>&amp;Schrift…</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>&amp;Testseite</translation>
    </message>
    <message>
        <source>导出清单(&amp;E)…</source>
        <translation>&amp;Bestand exportieren…</translation>
    </message>
    <message>
        <source>移除(&amp;M)</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>轮询间隔</source>
        <translation>Abfrage alle</translation>
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
        <translation>Erwartete Firmware</translation>
    </message>
    <message>
        <source>不检查</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>扫描网段</source>
        <translation>Bereich scannen</translation>
    </message>
    <message>
        <source>正在扫描 %1 个地址…</source>
        <translation>%1 Adressen werden gescannt…</translation>
    </message>
    <message>
        <source>找到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 Drucker gefunden, davon %2 neu.</translation>
    </message>
    <message>
        <source>导入目标文件</source>
        <translation>Zielliste importieren</translation>
    </message>
    <message>
        <source>目标文件 (*.txt *.list);;所有文件 (*)</source>
        <translation>Ziellisten (*.txt *.list);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>第 %1 行不是地址：%2</source>
        <translation>Zeile %1 ist keine Adresse: %2</translation>
    </message>
    <message>
        <source>%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5</source>
        <translation>%1 Drucker: %2 bereit, %3 beschäftigt, %4 brauchen Hilfe, %5 nicht erreichbar</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Profil anwenden</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profile (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>无法使用 %1：%2</source>
        <translation>%1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>校验不符 %1 项</source>
        <translation>%1 abweichend zurückgelesen</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>%1 abweichend</translation>
    </message>
    <message>
        <source>已写入 %1 项</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>没有需要写入的设置。</source>
        <translation>Keine Einstellung muss geschrieben werden.</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Firmware laden</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Schrift laden</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>等待中</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>无法解密文件</source>
        <translation>Datei nicht entschlüsselbar</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>成功：%1 → %2</source>
        <translation>Fertig: %1 → %2</translation>
    </message>
    <message>
        <source>版本不符：%1</source>
        <translation>Falsche Version: %1</translation>
    </message>
    <message>
        <source>版本未变：%1</source>
        <translation>Version unverändert: %1</translation>
    </message>
    <message>
        <source>失败：无法连接</source>
        <translation>Fehlgeschlagen: nicht erreichbar</translation>
    </message>
    <message>
        <source>失败：传输中断</source>
        <translation>Fehlgeschlagen: Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>已发送自检</source>
        <translation>Testseite gesendet</translation>
    </message>
    <message>
        <source>导出清单</source>
        <translation>Bestand exportieren</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;JSON 文件 (*.json)</source>
        <translation>CSV-Dateien (*.csv);;JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>第 %1 行不完整（文件在此中断）：%2</source>
        <translation>Zeile %1 ist unvollständig (die Datei endet dort): %2</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取，%2。
文件保持原样；列表改动后先询问是否覆盖它。</source>
        <translation>Die Druckerliste %1 kann nicht vollständig gelesen werden: %2.
Die Datei bleibt, wie sie ist; ändert sich die Liste, wird vor dem Überschreiben gefragt.</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？原文件另存为 %4。</source>
        <translation>Die Druckerliste %1 kann nicht vollständig gelesen werden (%2). Mit den jetzt aufgeführten %3 Druckern überschreiben? Die alte Datei bleibt als %4 erhalten.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>无法另存 %1，清单未写入。</source>
        <translation>%1 kann nicht gespeichert werden; die Liste wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>把字库 %1 下载到 %2 台打印机？</source>
        <translation>Die Schrift %1 auf %2 Drucker laden?</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。</source>
        <translation>Die Firmware %1 auf %2 Drucker laden? Sie starten neu; es ist keine erwartete Version angegeben, die Version wird nicht geprüft.</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。</source>
        <translation>Die Firmware %1 auf %2 Drucker laden? Sie starten neu und sollten danach Version %3 melden.</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>写入并校验？</source>
        <translation>Schreiben und prüfen?</translation>
    </message>
    <message>
        <source>网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 65536 个地址（/16）。</source>
        <translation>Bereich (z. B. 192.168.1.0/24 oder 192.168.1.10-60), optional mit :Port. Höchstens 65536 Adressen (/16) auf einmal.</translation>
    </message>
    <message>
        <source>（未知）</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>%1 台打印机共 %2 项设置与配置不同：</source>
        <translation>%2 Einstellungen auf %1 Druckern weichen vom Profil ab:</translation>
    </message>
    <message>
        <source>不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，一次最多 65536 个地址。</source>
        <translation>Kein scanbarer Bereich: %1. Erwartet a.b.c.d/n (n mindestens 16) oder a.b.c.d-e, höchstens 65536 Adressen auf einmal.</translation>
    </message>
    <message>
        <source>搜索到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 Drucker gefunden, davon %2 neu.</translation>
    </message>
    <message>
        <source>不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。</source>
        <translation>Keine Adresse: %1. Erwartet Adresse[:Port] (Port 1 bis 65535) oder usb:Port (1 bis 255).</translation>
    </message>
    <message>
        <source>正在搜索…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>正在搜索打印机…</source>
        <translation>Drucker werden gesucht…</translation>
    </message>
    <message>
        <source>%1 是网段，不是一个地址：网段请用“扫描网段…”。</source>
        <translation>%1 ist ein Bereich, keine einzelne Adresse: Bereiche mit „Bereich scannen…“ absuchen.</translation>
    </message>
    <message>
        <source>%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。</source>
        <translation>%1 ist keine IPv4-Adresse: erwartet vier Zahlen von 0 bis 255, z. B. 192.168.1.20.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，进行中的在下一帧处停止，其余的不再开始。</source>
        <translation>Ein Vorgang läuft noch. Abbrechen und das Fenster schließen? Fertige Drucker bleiben wie sie sind, laufende halten beim nächsten Rahmen an, die übrigen werden nicht begonnen.</translation>
    </message>
    <message>
        <source>取消并关闭</source>
        <translation>Abbrechen und schließen</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>已取消：未开始</source>
        <translation>Abgebrochen: nicht begonnen</translation>
    </message>
    <message>
        <source>已取消：中途停止</source>
        <translation>Abgebrochen: unterwegs angehalten</translation>
    </message>
    <message>
        <source>扫描已取消。</source>
        <translation>Suche abgebrochen.</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Drucker suchen</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>未开始：先试的打印机失败</source>
        <translation>Nicht begonnen: ein zuerst getesteter Drucker schlug fehl</translation>
    </message>
    <message>
        <source>先试 N 台</source>
        <translation>Zuerst N testen</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>继续未完成的</source>
        <translation>Unvollendete fortsetzen</translation>
    </message>
    <message>
        <source>%1：不同</source>
        <translation>%1: weicht ab</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>检查偏差(&amp;D)…</source>
        <translation>&amp;Abweichung prüfen…</translation>
    </message>
    <message>
        <source>检查偏差</source>
        <translation>Abweichung prüfen</translation>
    </message>
</context>
<context>
    <name>FunctionPage</name>
    <message>
        <source>基本功能</source>
        <translation>Grundfunktionen</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Se&amp;lbsttestseite drucken</translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation>Drucker neu starten (&amp;3)</translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation>Drucker &amp;initialisieren</translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation>Sensorkalibrierung</translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation>Lückenkalibrierung (&amp;Q)</translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation>Schwarzmarkenkalibrierung (&amp;4)</translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation>DAC-&amp;Kalibrierung</translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation>Papierende-Kalibrierung (&amp;X)</translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation>Au&amp;sgangssensor-Kalibrierung</translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation>Schneidmodus</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>V&amp;ollschnitt</translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation>&amp;Messer aus</translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation>Spe&amp;ndemodus</translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation>Ab&amp;reißmodus</translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation>Tasten und Summer</translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation>Tasten ein (&amp;J)</translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation>Tasten aus (&amp;F)</translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation>Summer ein (&amp;2)</translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation>Summer aus (&amp;1)</translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation>Druckerinformationen</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmwareversion:</translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation>Auflösung (DPI):</translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation>Max. Druckbreite (mm):</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>获取打印机信息(&amp;X)</source>
        <translation>Druckerinfo abrufen (&amp;Y)</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>Druckerstatus</translation>
    </message>
    <message>
        <source>获取打印机状态(&amp;Z)</source>
        <translation>Druckerstatus abrufen (&amp;Z)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Gerät nicht geöffnet!</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Bitte sicherstellen, dass der Drucker verbunden ist</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，之后连接会关闭。
确定要初始化打印机吗？</source>
        <translation>Der Drucker wird auf Werkseinstellungen zurückgesetzt: Seine gespeicherten Druck-, Abstands-, Netzwerk-, Bluetooth- und seriellen Einstellungen werden gelöscht, danach wird die Verbindung geschlossen.
Drucker jetzt initialisieren?</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Initialisieren</translation>
    </message>
    <message>
        <source>读取打印机信息</source>
        <translation>Druckerinformationen lesen</translation>
    </message>
    <message>
        <source>读取打印机状态</source>
        <translation>Druckerstatus lesen</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>操作进度</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>在下一帧之前停止正在进行的操作</source>
        <translation>Den laufenden Vorgang vor dem nächsten Rahmen anhalten</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation>Etikettendrucker-Einrichtungstool </translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Druckereinstellungen</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Druckeinstellungen</translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation>Abstände</translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation>WLAN-Einstellungen</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Bluetooth-Einstellungen</translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation>Ethernet-Einstellungen</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation>Spender-Einstellungen</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation>Wartung und Update</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation>Erfolgreich ausgeführt</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Bitte sicherstellen, dass der Drucker verbunden ist</translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation>USB-Kommunikationsfehler, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation>Netzwerk-Kommunikationsfehler, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation>Bluetooth-Kommunikationsfehler, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation>Fehler der seriellen Kommunikation, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation>Bitte zuerst das Gerät öffnen</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation>Kein Papier</translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation>Papier fast leer</translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation>Papierstau</translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation>Farbband fast leer</translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation>Kein Farbband</translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation>Druckkopf überhitzt</translation>
    </message>
    <message>
        <source>开盖</source>
        <translation>Deckel offen</translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation>Positionierungsfehler (Schwarzmarke oder Lücke)</translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation>Messerfehler</translation>
    </message>
    <message>
        <source>升级中</source>
        <translation>Update läuft</translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation>Updatefehler</translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation>Befehlsfehler</translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation>Druck angehalten</translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation>Druckauftrag gelöscht</translation>
    </message>
    <message>
        <source>演示模式：模拟打印机 %1:%2</source>
        <translation>Demomodus: simulierter Drucker %1:%2</translation>
    </message>
    <message>
        <source>%1：输入无效，允许范围为 %2 至 %3</source>
        <translation>%1: Ungültige Eingabe, zulässig ist %2 bis %3</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>读取失败，请重试</source>
        <translation>Lesen fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>未打开打印机</source>
        <translation>Kein Drucker geöffnet</translation>
    </message>
    <message>
        <source>连接已关闭：请重新打开打印机，再读取和设置。</source>
        <translation>Verbindung geschlossen: Drucker erneut öffnen, bevor gelesen oder geschrieben wird.</translation>
    </message>
    <message>
        <source>已连接：%1 · %2</source>
        <translation>Verbunden: %1 · %2</translation>
    </message>
    <message>
        <source>，TCP端口 %1</source>
        <translation>, TCP-Port %1</translation>
    </message>
    <message>
        <source>读取和设置标签打印机、下载固件与字库、WiFi配网。</source>
        <translation>Liest und setzt Etikettendrucker-Einstellungen, lädt Firmware und Schriften und richtet WLAN ein.</translation>
    </message>
    <message>
        <source>许可证：MIT（随附 LICENSE 文件）</source>
        <translation>Lizenz: MIT (siehe Datei LICENSE)</translation>
    </message>
    <message>
        <source>保存配置(&amp;A)…</source>
        <translation>P&amp;rofil speichern…</translation>
    </message>
    <message>
        <source>应用配置(&amp;Y)…</source>
        <translation>Pr&amp;ofil anwenden…</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>应用配置后尚未读取</source>
        <translation>Seit dem Anwenden des Profils nicht gelesen</translation>
    </message>
    <message>
        <source>配网后尚未读取</source>
        <translation>Seit der WLAN-Einrichtung nicht gelesen</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Änderungsprotokoll</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>此型号的打印机不接受字库下载</source>
        <translation>Dieses Druckermodell nimmt keinen Zeichensatz an</translation>
    </message>
    <message>
        <source>文件为空，没有可下载的内容：%1</source>
        <translation>Die Datei ist leer, nichts herunterzuladen: %1</translation>
    </message>
    <message>
        <source>无法读取所选文件：%1</source>
        <translation>Die gewählte Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>无法在文件所在的文件夹中创建解密文件：%1</source>
        <translation>Die entschlüsselte Datei kann im Ordner der Datei nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>解密失败，文件未发送。</source>
        <translation>Entschlüsselung fehlgeschlagen; die Datei wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>无法连接到 %1</source>
        <translation>keine Verbindung zu %1</translation>
    </message>
    <message>
        <source>打印机正忙：另一项操作或文件传送正在进行</source>
        <translation>Der Drucker ist beschäftigt: ein anderer Vorgang oder eine Dateiübertragung läuft</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>应答无效</source>
        <translation>ungültige Antwort</translation>
    </message>
    <message>
        <source>打印机正忙</source>
        <translation>der Drucker ist beschäftigt</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>USB 传输失败</source>
        <translation>USB-Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法打开 USB 设备</source>
        <translation>das USB-Gerät lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>网络无应答或连接中断</source>
        <translation>keine rechtzeitige Antwort oder Verbindung abgebrochen</translation>
    </message>
    <message>
        <source>通信失败（%1）</source>
        <translation>Kommunikation fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>打印机没有应答%1查询（%2）</source>
        <translation>Der Drucker hat die Abfrage %1 nicht beantwortet (%2)</translation>
    </message>
    <message>
        <source>打印机没有接受%1（%2）</source>
        <translation>Der Drucker hat %1 nicht angenommen (%2)</translation>
    </message>
    <message>
        <source>打印机没有确认收到%1（%2）</source>
        <translation>der Drucker hat %1 nicht bestätigt (%2)</translation>
    </message>
    <message>
        <source>已发送，未确认</source>
        <translation>gesendet, nicht bestätigt</translation>
    </message>
    <message>
        <source>打印机在限定时间内没有重新应答（%1）</source>
        <translation>der Drucker hat nicht rechtzeitig wieder geantwortet (%1)</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>den Drucker</translation>
    </message>
    <message>
        <source>配置被拒绝，未发送任何设置：%1</source>
        <translation>abgelehnt, nichts gesendet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项设置读回的值不同</source>
        <translation>
            <numerusform>%n Einstellung weicht beim Zurücklesen ab</numerusform>
            <numerusform>%n Einstellungen weichen beim Zurücklesen ab</numerusform>
        </translation>
    </message>
    <message>
        <source>已中断，未开始：%1</source>
        <translation>unterbrochen, nicht begonnen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项待更改</source>
        <translation>
            <numerusform>%n zu ändern</numerusform>
            <numerusform>%n zu ändern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已写入 %n 项</source>
        <translation>
            <numerusform>%n geschrieben</numerusform>
            <numerusform>%n geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>；重启打印机后网络设置生效</source>
        <translation>; den Drucker für die Netzwerkänderung neu starten</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>die Bytes</translation>
    </message>
    <message>
        <source>打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效</source>
        <translation>Station %1 gesetzt; den Drucker für die WLAN-Änderung neu starten</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>诊断报告已保存到 %1</source>
        <translation>Diagnosebericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>%1 未在限定时间内完成</source>
        <translation>%1 wurde nicht innerhalb der Frist fertig</translation>
    </message>
    <message>
        <source>超过限定时间</source>
        <translation>Frist überschritten</translation>
    </message>
    <message>
        <source>已取消：%1 尚未开始，什么也没有发送</source>
        <translation>Abgebrochen: %1 hatte nicht begonnen, nichts wurde gesendet</translation>
    </message>
    <message>
        <source>已取消：文件尚未开始发送</source>
        <translation>Abgebrochen: das Senden der Datei hatte nicht begonnen</translation>
    </message>
    <message>
        <source>已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分</source>
        <translation>Abgebrochen: %1, %3 von %2 Bytes; der Drucker hat nur einen Teil der Datei erhalten</translation>
    </message>
    <message>
        <source>已发送 %1/%2 块</source>
        <translation>%1/%2 Teile gesendet</translation>
    </message>
    <message>
        <source>已取消：%1 在下一帧之前停下</source>
        <translation>Abgebrochen: %1 vor dem nächsten Rahmen angehalten</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>PageBinding</name>
    <message>
        <source>读取设置</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>读取 %1/%2</source>
        <translation>Lesen %1/%2</translation>
    </message>
    <message>
        <source>读取已取消：已读取 %1/%2 项，页面未读取</source>
        <translation>Lesen abgebrochen: %1/%2 Einträge gelesen, die Seite gilt als nicht gelesen</translation>
    </message>
    <message>
        <source>写入设置</source>
        <translation>Einstellungen schreiben</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>Schreiben %1/%2</translation>
    </message>
    <message>
        <source>写入已取消：已发送 %1 帧，其余未发送</source>
        <translation>Schreiben abgebrochen: %1 Rahmen gesendet, der Rest nicht</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>打印速度：</source>
        <translation>Druckgeschwindigkeit:</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>Druckdichte:</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation>Etikettenabstand (mm):</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation>Schwarzmarkenabstand (mm):</translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation>Druckrichtung:</translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation>Drehung 0°</translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation>Drehung 180°</translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation>Druckart:</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Gespiegelt</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation>Druckversatz (mm):</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation>Vertikaler Versatz (mm):</translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation>Druckmodus:</translation>
    </message>
    <message>
        <source>热敏</source>
        <translation>Thermodirekt</translation>
    </message>
    <message>
        <source>热转印</source>
        <translation>Thermotransfer</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation>Autom. Papiereinzug:</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation>Papiertyp:</translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation>Schwarzmarke</translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation>Endlospapier</translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation>Befehlssatz:</translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation>Standard-Codepage:</translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation>Menüsprache:</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>韩文</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>日文</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>泰文</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation>Breite muss 20-108mm betragen, bitte neu eingeben</translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation>Höhe muss 10-1778mm betragen, bitte neu eingeben</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>保存配置</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Profildateien (*.json)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>Profil gespeichert unter %1</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Profil anwenden</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>Profildatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>配置文件无效：%1</source>
        <translation>Ungültige Profildatei: %1</translation>
    </message>
    <message>
        <source>以下设置在此型号上不存在，已跳过：%1</source>
        <translation>Diese Einstellungen gibt es bei diesem Modell nicht; sie wurden übersprungen: %1</translation>
    </message>
    <message>
        <source>打印机的设置与配置文件相同，无需写入。</source>
        <translation>Die Einstellungen des Druckers stimmen mit dem Profil überein; es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>将写入以下 %1 项设置：</source>
        <translation>Die folgenden %1 Einstellungen werden geschrieben:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>打印机中的值</source>
        <translation>Wert im Drucker</translation>
    </message>
    <message>
        <source>配置文件中的值</source>
        <translation>Wert im Profil</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>写入后读回的值与配置文件不同：%1</source>
        <translation>Nach dem Schreiben zurückgelesene Werte weichen vom Profil ab: %1</translation>
    </message>
    <message>
        <source>配置已应用。WiFi 或网口的更改在打印机重启后生效。</source>
        <translation>Profil angewendet. Änderungen an WiFi oder Ethernet werden nach einem Neustart des Druckers wirksam.</translation>
    </message>
    <message>
        <source>配置已应用。</source>
        <translation>Profil angewendet.</translation>
    </message>
    <message>
        <source>保存配置已取消：没有保存任何文件</source>
        <translation>Speichern des Profils abgebrochen: keine Datei gespeichert</translation>
    </message>
    <message>
        <source>读取打印机设置</source>
        <translation>Druckereinstellungen lesen</translation>
    </message>
    <message>
        <source>应用配置已取消：什么也没有写入</source>
        <translation>Anwenden des Profils abgebrochen: nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>应用配置已取消：已写入 %1 项设置，其余未写入</source>
        <translation>Anwenden des Profils abgebrochen: %1 Einstellungen geschrieben, der Rest nicht</translation>
    </message>
</context>
<context>
    <name>ReadStateNote</name>
    <message>
        <source>尚未读取</source>
        <translation>Noch nicht gelesen</translation>
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
        <translation>Parität:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation>Geräte-SN:</translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation>Geräteinfo:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Hinweis: Nach dieser Einstellung den Drucker neu starten</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
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
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>IP模式</source>
        <translation>IP-Modus</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>SPP_PIN码</source>
        <translation>SPP-PIN</translation>
    </message>
    <message>
        <source>SPP名称</source>
        <translation>SPP-Name</translation>
    </message>
    <message>
        <source>SPP连接模式</source>
        <translation>SPP-Verbindungsmodus</translation>
    </message>
    <message>
        <source>TCP端口号</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>UDP端口号</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>wifi名称</source>
        <translation>WLAN-Name</translation>
    </message>
    <message>
        <source>wifi密码</source>
        <translation>WLAN-Passwort</translation>
    </message>
    <message>
        <source>wifi模式</source>
        <translation>WLAN-Modus</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)</source>
        <translation>Papierausgang bis Druckkopf (dot)</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）</source>
        <translation>Entnahmezeit Spender (s)</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)</source>
        <translation>Vertikaler Versatz (mm)</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)</source>
        <translation>Druckversatz (mm)</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)</source>
        <translation>Druckkopf bis Abreißkante (dot)</translation>
    </message>
    <message>
        <source>打印方向</source>
        <translation>Druckrichtung</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Druckart</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>Druckmodus</translation>
    </message>
    <message>
        <source>打印浓度</source>
        <translation>Druckdichte</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>Druckgeschwindigkeit</translation>
    </message>
    <message>
        <source>指令集</source>
        <translation>Befehlssatz</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)</source>
        <translation>Etikettenabstand (mm)</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>纸张类型</source>
        <translation>Papiertyp</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)</source>
        <translation>Lückensensor bis Druckkopf (mm)</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>自动吸纸</source>
        <translation>Autom. Papiereinzug</translation>
    </message>
    <message>
        <source>设备SN号</source>
        <translation>Geräte-SN</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Geräteinfo</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)</source>
        <translation>Schwarzmarkensensor bis Druckkopf (mm)</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)</source>
        <translation>Schwarzmarkenabstand (mm)</translation>
    </message>
    <message>
        <source>默认代码页</source>
        <translation>Standard-Codepage</translation>
    </message>
</context>
<context>
    <name>StripperPage</name>
    <message>
        <source>剥离器设置</source>
        <translation>Spender-Einstellungen</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation>Entnahmezeit Spender (s):</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WifiPage</name>
    <message>
        <source>wifi模式：</source>
        <translation>WLAN-Modus:</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP-Port:</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>STA-Modus</translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation>WLAN-Name:</translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation>WLAN-Passwort:</translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation>Hinweis: Im AP-Modus muss das WLAN-Passwort mindestens 8 Zeichen haben</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Hinweis: Nach dieser Einstellung den Drucker neu starten</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>AP-Modus</translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation>AP-IP:</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation>IP-Modus:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnetzmaske:</translation>
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
        <translation>WLA&amp;N-Einrichtung</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Einrichtungstool</translation>
    </message>
    <message>
        <source>AP模式的wifi密码最少为8位</source>
        <translation>Im AP-Modus muss das WLAN-Passwort mindestens 8 Zeichen haben</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Erfolgreich ausgeführt, bitte Drucker neu starten</translation>
    </message>
</context>
<context>
    <name>WifiProvisioning</name>
    <message>
        <source>错误</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>WiFi配网</source>
        <translation>WLAN-Einrichtung</translation>
    </message>
    <message>
        <source>WiFi配网已取消：什么也没有发送</source>
        <translation>WLAN-Einrichtung abgebrochen: nichts wurde gesendet</translation>
    </message>
    <message>
        <source>WiFi配网已取消：已切换为站点模式，网络名称和密码未发送</source>
        <translation>WLAN-Einrichtung abgebrochen: Stationsmodus gesetzt, Netzwerkname und Passwort nicht gesendet</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Das Änderungsprotokoll %1 kann nicht geschrieben werden; Änderungen werden nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>功能 %1</source>
        <translation>Funktion %1</translation>
    </message>
    <message>
        <source>文件 %1（SHA-256 %2）</source>
        <translation>Datei %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>控制台发送 %1 字节</source>
        <translation>Konsole: %1 Bytes gesendet</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Änderungsprotokoll</translation>
    </message>
    <message>
        <source>变更记录中没有这台打印机的条目。</source>
        <translation>Das Änderungsprotokoll enthält keine Einträge für diesen Drucker.</translation>
    </message>
    <message>
        <source>%1 的变更，最新的在前：</source>
        <translation>Änderungen an %1, neueste zuerst:</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>操作者</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation>Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation>Senden der Daten an den Drucker fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>prompts</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
