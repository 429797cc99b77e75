<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BluetoothPage</name>
    <message>
        <source>SPP名称:</source>
        <translation>SPP name:</translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation>BLE:</translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation>SPP connection mode:</translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation>Simple pairing</translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation>PIN pairing</translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation>SPP PIN:</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Note: restart the printer after changing this setting</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Operation successful, please restart the printer</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>lpstat 未安装：未检查打印队列。</source>
        <translation>lpstat is not installed: print queues were not checked.</translation>
    </message>
    <message>
        <source>没有打印队列指向端口 %1 的 USB 打印机。</source>
        <translation>No print queue points to the USB printer on port %1.</translation>
    </message>
    <message>
        <source>打印队列 %1 指向端口 %2 的 USB 打印机。</source>
        <translation>Print queue %1 points to the USB printer on port %2.</translation>
    </message>
    <message>
        <source>队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。</source>
        <translation>This tool cannot access the printer while the queue is printing: pause the queue during setup (cupsdisable %1).</translation>
    </message>
    <message>
        <source>未安装打印机的 USB 访问规则。</source>
        <translation>The USB access rule for the printers is not installed.</translation>
    </message>
    <message>
        <source>没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Without this rule only root can open the printer: copy 60-labelsetup-printers.rules to /etc/udev/rules.d, then unplug and replug the printer.</translation>
    </message>
    <message>
        <source>已安装 USB 访问规则：%1</source>
        <translation>USB access rule installed: %1</translation>
    </message>
    <message>
        <source>无法使用 USB：%1</source>
        <translation>Cannot use USB: %1</translation>
    </message>
    <message>
        <source>检查本机是否允许访问 /dev/bus/usb。</source>
        <translation>Check that this computer allows access to /dev/bus/usb.</translation>
    </message>
    <message>
        <source>没有连接此类 USB 打印机。</source>
        <translation>No USB printer of this kind is connected.</translation>
    </message>
    <message>
        <source>用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。</source>
        <translation>Connect the printer with a USB cable and switch it on; an unpowered USB hub may not detect the printer.</translation>
    </message>
    <message>
        <source>端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。</source>
        <translation>There is a USB printer on port %1 (bus %2, device %3).</translation>
    </message>
    <message>
        <source>安装访问规则：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Install the access rule: copy 60-labelsetup-printers.rules to /etc/udev/rules.d, then unplug and replug the printer.</translation>
    </message>
    <message>
        <source>访问规则已安装但尚未生效：重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>The access rule is installed but not yet in effect: unplug and replug the printer, or run &quot;udevadm trigger&quot;.</translation>
    </message>
    <message>
        <source>当前用户无权打开端口 %1 的 USB 打印机。</source>
        <translation>The current user is not allowed to open the USB printer on port %1.</translation>
    </message>
    <message>
        <source>udevadm 未安装：未检查规则是否作用于打印机。</source>
        <translation>udevadm is not installed: did not check whether the rule applies to the printer.</translation>
    </message>
    <message>
        <source>访问规则尚未作用于端口 %1 的 USB 打印机。</source>
        <translation>The access rule does not yet apply to the USB printer on port %1.</translation>
    </message>
    <message>
        <source>重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>Unplug and replug the printer, or run &quot;udevadm trigger&quot;.</translation>
    </message>
    <message>
        <source>无法打开端口 %1 的 USB 打印机：%2</source>
        <translation>Cannot open the USB printer on port %1: %2</translation>
    </message>
    <message>
        <source>重新插拔打印机后再试。</source>
        <translation>Unplug and replug the printer, then try again.</translation>
    </message>
    <message>
        <source>当前用户可以打开端口 %1 的 USB 打印机（%2）。</source>
        <translation>The current user can open the USB printer on port %1 (%2).</translation>
    </message>
    <message>
        <source>内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。</source>
        <translation>A kernel driver (usually usblp) has claimed the interface of the USB printer on port %1.</translation>
    </message>
    <message>
        <source>本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，或用 &quot;modprobe -r usblp&quot; 卸载驱动。</source>
        <translation>This tool temporarily detaches the driver while it communicates; if another program prints through it at the same time, stop that program first, or unload the driver with &quot;modprobe -r usblp&quot;.</translation>
    </message>
    <message>
        <source>没有内核驱动占用端口 %1 的 USB 打印机。</source>
        <translation>No kernel driver has claimed the USB printer on port %1.</translation>
    </message>
    <message>
        <source>%1 不在本机任何网络接口的子网内。</source>
        <translation>%1 is not in the subnet of any network interface of this computer.</translation>
    </message>
    <message>
        <source>打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP 地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。</source>
        <translation>The printer must be on the same network as this computer or reachable through a router: check its IP address and subnet mask on the printer&apos;s self-test page, or change them over USB on the Ethernet/WiFi settings page.</translation>
    </message>
    <message>
        <source>%1 位于本机接口 %2 的子网内。</source>
        <translation>%1 is in the subnet of this computer&apos;s interface %2.</translation>
    </message>
    <message>
        <source>ip 未安装：未检查路由。</source>
        <translation>ip is not installed: the route was not checked.</translation>
    </message>
    <message>
        <source>路由：%1</source>
        <translation>Route: %1</translation>
    </message>
    <message>
        <source>没有通往 %1 的路由。</source>
        <translation>There is no route to %1.</translation>
    </message>
    <message>
        <source>请为本机设置默认网关，或将本机接入打印机所在的网络。</source>
        <translation>Set a default gateway on this computer, or connect this computer to the printer&apos;s network.</translation>
    </message>
    <message>
        <source>%1 的端口 %2 接受连接。</source>
        <translation>%1 accepts connections on port %2.</translation>
    </message>
    <message>
        <source>%1 拒绝了端口 %2 上的连接。</source>
        <translation>%1 refused the connection on port %2.</translation>
    </message>
    <message>
        <source>请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。</source>
        <translation>Check the port: the printer&apos;s command port is shown on its Ethernet settings page (9100 unless changed).</translation>
    </message>
    <message>
        <source>%1 在 %3 毫秒内未在端口 %2 上应答。</source>
        <translation>%1 did not answer on port %2 within %3 ms.</translation>
    </message>
    <message>
        <source>请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。</source>
        <translation>Make sure the printer is switched on and on this network, and that no firewall drops the connection.</translation>
    </message>
    <message>
        <source>打印机应答了信息查询：%1</source>
        <translation>The printer answered the info query: %1</translation>
    </message>
    <message>
        <source>端口接受了连接，但打印机未应答信息查询。</source>
        <translation>The port accepted the connection, but the printer did not answer the info query.</translation>
    </message>
    <message>
        <source>可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。</source>
        <translation>Another program may be using the printer, or the port belongs to a different device: restart the printer and try again.</translation>
    </message>
    <message>
        <source>打印机应答了 UDP 端口 %1 上的搜索请求。</source>
        <translation>The printer answered the search request on UDP port %1.</translation>
    </message>
    <message>
        <source>UDP 端口 %1 上的搜索请求没有应答。</source>
        <translation>No answer to the search request on UDP port %1.</translation>
    </message>
    <message>
        <source>本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同：列表搜索找不到它，但按地址打开仍可使用。</source>
        <translation>This computer&apos;s firewall may be dropping the printer&apos;s answers (allow UDP port %1), or the printer uses a different search port: the list search will not find it, but opening it by address still works.</translation>
    </message>
    <message>
        <source>无法解析地址 %1。</source>
        <translation>Cannot resolve address %1.</translation>
    </message>
    <message>
        <source>请输入打印机自检页上显示的 IP 地址。</source>
        <translation>Enter the IP address shown on the printer&apos;s self-test page.</translation>
    </message>
    <message>
        <source>未查询：端口不接受连接。</source>
        <translation>Not queried: the port does not accept connections.</translation>
    </message>
    <message>
        <source>USB 打印机</source>
        <translation>USB printer</translation>
    </message>
    <message>
        <source>USB 访问权限</source>
        <translation>USB access</translation>
    </message>
    <message>
        <source>udev 规则</source>
        <translation>udev rule</translation>
    </message>
    <message>
        <source>udev 规则已生效</source>
        <translation>udev rule in effect</translation>
    </message>
    <message>
        <source>内核驱动</source>
        <translation>Kernel driver</translation>
    </message>
    <message>
        <source>打印队列</source>
        <translation>Print queues</translation>
    </message>
    <message>
        <source>打印机地址</source>
        <translation>Printer address</translation>
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
        <translation>TCP port</translation>
    </message>
    <message>
        <source>打印机应答</source>
        <translation>Printer answer</translation>
    </message>
    <message>
        <source>发现端口</source>
        <translation>Discovery port</translation>
    </message>
    <message>
        <source>%1 无法到达：%2。</source>
        <translation>%1 cannot be reached: %2.</translation>
    </message>
    <message>
        <source>本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。</source>
        <translation>This computer has no way to that network: check its network connection, address and gateway.</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Not on this system</translation>
    </message>
    <message>
        <source>未检查搜索端口：按地址连接不用它。</source>
        <translation>Search port not checked: a connection by address does not use it.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>连接方式</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>有线网络</source>
        <translation>Et&amp;hernet</translation>
    </message>
    <message>
        <source>无线网络</source>
        <translation>&amp;Wi-Fi</translation>
    </message>
    <message>
        <source>蓝牙(&amp;B)</source>
        <translation>&amp;Bluetooth</translation>
    </message>
    <message>
        <source>串口(&amp;P)</source>
        <translation>Serial &amp;port</translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation>IP connection</translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation>Device IP:</translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation>TCP port:</translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation>UDP port:</translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation>Serial parameters</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Device list</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>Refresh &amp;list</translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation>S&amp;top search</translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation>&amp;Open device</translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation>&amp;Close device</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation>Make sure the communication device is switched on</translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation>Select a printer in the list first</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation>Connection timed out, please try again!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Connected successfully!</translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation>Closed successfully!</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)</source>
        <translation>Connection &amp;Diagnostics</translation>
    </message>
    <message>
        <source>导出诊断报告(&amp;E)…</source>
        <translation>&amp;Export Diagnostics Report…</translation>
    </message>
    <message>
        <source>打印机群(&amp;F)…</source>
        <translation>&amp;Fleet…</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Searching for printers</translation>
    </message>
    <message>
        <source>打开打印机</source>
        <translation>Opening the printer</translation>
    </message>
    <message>
        <source>关闭打印机</source>
        <translation>Closing the printer</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>消息区</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>Send area</translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation>HE&amp;X send</translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation>HEX &amp;receive</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>&amp;Send</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Se&amp;nd file</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>Cle&amp;ar send</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>Clear rece&amp;ive</translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation>Send progress</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download successful</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Device not open!</translation>
    </message>
    <message>
        <source>此十六进制字符串格式无效。</source>
        <translation>This hexadecimal string is invalid.</translation>
    </message>
    <message>
        <source>发送失败！请重试</source>
        <translation>Sending failed! Please try again</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>发送文件 %1，%2 字节</source>
        <translation>Sending file %1, %2 bytes</translation>
    </message>
    <message>
        <source>第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格</source>
        <translation>Wrong spacing at character %1: exactly one blank between bytes, no line breaks, none at the start or end</translation>
    </message>
    <message>
        <source>第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F</source>
        <translation>Character %1 &quot;%2&quot; is not a hex digit: expected 0-9 or A-F</translation>
    </message>
    <message>
        <source>发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40</source>
        <translation>The send area is empty: expected hex digits in pairs separated by blanks, such as 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40</source>
        <translation>More than two digits from character %1: put one blank between bytes, such as 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F</source>
        <translation>Odd number of hex digits from character %1: each byte takes two digits, such as 0F</translation>
    </message>
    <message>
        <source>已取消：已发送 %1/%2 块</source>
        <translation>Cancelled: %1/%2 pieces sent</translation>
    </message>
    <message>
        <source>发送 %1/%2 块</source>
        <translation>Sending %1/%2 pieces</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Sending data</translation>
    </message>
</context>
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation>Make sure the matching peeler is installed/connected on the printer</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DiagnosticsActions</name>
    <message>
        <source>正在诊断…</source>
        <translation>Diagnosing…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <source>连接诊断结果</source>
        <translation>Connection Diagnostics Results</translation>
    </message>
    <message>
        <source>未输入地址：只检查 USB 打印机。</source>
        <translation>No address entered: checking USB printers only.</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>建议</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>导出诊断报告…</source>
        <translation>Export Diagnostics Report…</translation>
    </message>
    <message>
        <source>诊断报告 (*.json)</source>
        <translation>Diagnostics reports (*.json)</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Not on this system</translation>
    </message>
    <message>
        <source>只检查网络打印机 %1。</source>
        <translation>Only the network printer %1 is checked.</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>Connection check</translation>
    </message>
</context>
<context>
    <name>DistancePage</name>
    <message>
        <source>距离设置</source>
        <translation>Distance settings</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation>Paper outlet to print head (dot):</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation>Gap sensor to print head (mm):</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation>Black mark sensor to print head (mm):</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation>Print head to tear-off position (dot):</translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation>Note: 1mm = 8dot</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation>Note: 1mm = 12dot</translation>
    </message>
</context>
<context>
    <name>DistributeNet</name>
    <message>
        <source>WIFI配网</source>
        <translation>Wi-Fi provisioning</translation>
    </message>
    <message>
        <source>请选择WiFi网络</source>
        <translation>Please select a Wi-Fi network</translation>
    </message>
    <message>
        <source>可用WiFi列表（点击选择）</source>
        <translation>Available Wi-Fi networks (click to select)</translation>
    </message>
    <message>
        <source>所选WiFi</source>
        <translation>Selected Wi-Fi</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>请输入WiFi密码</source>
        <translation>Please enter the Wi-Fi password</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>S&amp;how</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>选择手动输入</source>
        <translation>&amp;Enter manually</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Refresh list</translation>
    </message>
    <message>
        <source>开始配网</source>
        <translation>&amp;Start provisioning</translation>
    </message>
    <message>
        <source>扫描中...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>(当前连接)</source>
        <translation>(connected)</translation>
    </message>
    <message>
        <source>请输入WiFi名称</source>
        <translation>Please enter the Wi-Fi name</translation>
    </message>
    <message>
        <source>请刷新列表，或选择手动输入WiFi名称</source>
        <translation>Refresh the list or choose to enter the Wi-Fi name manually</translation>
    </message>
    <message>
        <source>请选择一个WiFi</source>
        <translation>Please select a Wi-Fi network</translation>
    </message>
    <message>
        <source>找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。</source>
        <translation>The WiFi scanner “%1” was not found: tick “Enter manually” and type the network name.</translation>
    </message>
    <message>
        <source>没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。</source>
        <translation>No networks found: tick “Enter manually” and type the network name, or refresh the list later.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
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
        <translation>Firmware and font download</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Download fir&amp;mware</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Download font (&amp;G)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download successful</translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation>Wait until the printer&apos;s indicator stops blinking</translation>
    </message>
    <message>
        <source>HEX File</source>
        <translation>HEX File</translation>
    </message>
    <message>
        <source>HEX Files (*.hex);;All Files (*)</source>
        <translation>HEX Files (*.hex);;All Files (*)</translation>
    </message>
    <message>
        <source>BIN File</source>
        <translation>BIN File</translation>
    </message>
    <message>
        <source>BIN Files (*.bin);;All Files (*)</source>
        <translation>BIN Files (*.bin);;All Files (*)</translation>
    </message>
    <message>
        <source>下载固件 %1，%2 字节</source>
        <translation>Downloading firmware %1, %2 bytes</translation>
    </message>
    <message>
        <source>下载字库 %1，%2 字节</source>
        <translation>Downloading font %1, %2 bytes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Connection failed: </translation>
    </message>
    <message>
        <source>连接失败: </source>
        <translation>Connection failed: </translation>
    </message>
    <message>
        <source>%1 下载失败：%2</source>
        <translation>%1: download failed: %2</translation>
    </message>
    <message>
        <source>%1 下载完成</source>
        <translation>%1: download complete</translation>
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
        <translation>IP mode:</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP port:</translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation>UDP port:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Note: restart the printer after changing this setting</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>地址格式错误，请输入如192.168.1.100的四段地址</source>
        <translation>Invalid address format, please enter a four-part address such as 192.168.1.100</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Operation successful, please restart the printer</translation>
    </message>
</context>
<context>
    <name>FleetJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>The change journal %1 cannot be written; changes are not recorded</translation>
    </message>
</context>
<context>
    <name>FleetModel</name>
    <message>
        <source>无法连接</source>
        <translation>Unreachable</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>厂商</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>最后应答</source>
        <translation>Last answer</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Drift</translation>
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
        <translation>Printer fleet</translation>
    </message>
    <message>
        <source>地址[:端口]，或 usb:端口</source>
        <translation>address[:port], or usb:port</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>扫描网段(&amp;R)…</source>
        <translation>Scan &amp;range…</translation>
    </message>
    <message>
        <source>导入目标文件(&amp;I)…</source>
        <translation>&amp;Import targets…</translation>
    </message>
    <message>
        <source>搜索(&amp;C)</source>
        <translation>Sear&amp;ch</translation>
    </message>
    <message>
        <source>应用配置(&amp;P)…</source>
        <translation>Apply &amp;profile…</translation>
    </message>
    <message>
        <source>下载固件(&amp;F)…</source>
        <translation>&amp;Firmware…</translation>
    </message>
    <message>
        <source>下载字库(&amp;O)…</source>
        <translation>F&amp;ont…</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>&amp;Self-test page</translation>
    </message>
    <message>
        <source>导出清单(&amp;E)…</source>
        <translation>&amp;Export inventory…</translation>
    </message>
    <message>
        <source>移除(&amp;M)</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>轮询间隔</source>
        <translation>Poll every</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>并行</source>
        <translation>In parallel</translation>
    </message>
    <message>
        <source>期望固件版本</source>
        <translation>Expected firmware</translation>
    </message>
    <message>
        <source>不检查</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>扫描网段</source>
        <translation>Scan range</translation>
    </message>
    <message>
        <source>正在扫描 %1 个地址…</source>
        <translation>Scanning %1 addresses…</translation>
    </message>
    <message>
        <source>找到 %1 台打印机，新加入 %2 台。</source>
        <translation>Found %1 printers, %2 of them new.</translation>
    </message>
    <message>
        <source>导入目标文件</source>
        <translation>Import targets</translation>
    </message>
    <message>
        <source>目标文件 (*.txt *.list);;所有文件 (*)</source>
        <translation>Target files (*.txt *.list);;All files (*)</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>第 %1 行不是地址：%2</source>
        <translation>Line %1 is not an address: %2</translation>
    </message>
    <message>
        <source>%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5</source>
        <translation>%1 printers: %2 ready, %3 busy, %4 need attention, %5 unreachable</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Apply profile</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>无法使用 %1：%2</source>
        <translation>Cannot use %1: %2</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>校验不符 %1 项</source>
        <translation>%1 read back different</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>%1 differ</translation>
    </message>
    <message>
        <source>已写入 %1 项</source>
        <translation>%1 written</translation>
    </message>
    <message>
        <source>没有需要写入的设置。</source>
        <translation>No setting needs to be written.</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Download firmware</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Download font</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>等待中</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>无法解密文件</source>
        <translation>Cannot decrypt the file</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>成功：%1 → %2</source>
        <translation>Done: %1 → %2</translation>
    </message>
    <message>
        <source>版本不符：%1</source>
        <translation>Wrong version: %1</translation>
    </message>
    <message>
        <source>版本未变：%1</source>
        <translation>Version unchanged: %1</translation>
    </message>
    <message>
        <source>失败：无法连接</source>
        <translation>Failed: unreachable</translation>
    </message>
    <message>
        <source>失败：传输中断</source>
        <translation>Failed: transfer broken off</translation>
    </message>
    <message>
        <source>已发送自检</source>
        <translation>Self-test sent</translation>
    </message>
    <message>
        <source>导出清单</source>
        <translation>Export inventory</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;JSON 文件 (*.json)</source>
        <translation>CSV files (*.csv);;JSON files (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>第 %1 行不完整（文件在此中断）：%2</source>
        <translation>line %1 is incomplete (the file ends there): %2</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取，%2。
文件保持原样；列表改动后先询问是否覆盖它。</source>
        <translation>The printer list %1 cannot be read whole: %2.
The file is left as it is; once the list changes you are asked before it is overwritten.</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？原文件另存为 %4。</source>
        <translation>The printer list %1 cannot be read whole (%2). Overwrite it with the %3 printers listed now? The old file is kept as %4.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>无法另存 %1，清单未写入。</source>
        <translation>Cannot save %1; the list was not written.</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>把字库 %1 下载到 %2 台打印机？</source>
        <translation>Download the font %1 to %2 printers?</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。</source>
        <translation>Download the firmware %1 to %2 printers? They will restart; no expected version is given, so the version is not checked.</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。</source>
        <translation>Download the firmware %1 to %2 printers? They will restart and should then report version %3.</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>写入并校验？</source>
        <translation>Write and verify?</translation>
    </message>
    <message>
        <source>网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 65536 个地址（/16）。</source>
        <translation>Range (such as 192.168.1.0/24 or 192.168.1.10-60), optionally with :port. At most 65536 addresses (/16) at a time.</translation>
    </message>
    <message>
        <source>（未知）</source>
        <translation>(unknown)</translation>
    </message>
    <message>
        <source>%1 台打印机共 %2 项设置与配置不同：</source>
        <translation>%2 settings on %1 printers differ from the profile:</translation>
    </message>
    <message>
        <source>不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，一次最多 65536 个地址。</source>
        <translation>Not a range that can be scanned: %1. Expected a.b.c.d/n (n at least 16) or a.b.c.d-e, at most 65536 addresses at a time.</translation>
    </message>
    <message>
        <source>搜索到 %1 台打印机，新加入 %2 台。</source>
        <translation>Found %1 printers, %2 of them new.</translation>
    </message>
    <message>
        <source>不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。</source>
        <translation>Not an address: %1. Expected address[:port] (port 1 to 65535) or usb:port (1 to 255).</translation>
    </message>
    <message>
        <source>正在搜索…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>正在搜索打印机…</source>
        <translation>Searching for printers…</translation>
    </message>
    <message>
        <source>%1 是网段，不是一个地址：网段请用“扫描网段…”。</source>
        <translation>%1 is a range, not one address: scan ranges with &quot;Scan range…&quot;.</translation>
    </message>
    <message>
        <source>%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。</source>
        <translation>%1 is not an IPv4 address: expected four numbers from 0 to 255, such as 192.168.1.20.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，进行中的在下一帧处停止，其余的不再开始。</source>
        <translation>Work is still running. Cancel it and close the window? Printers already done stay as they are, those in progress stop at their next frame, the rest are not started.</translation>
    </message>
    <message>
        <source>取消并关闭</source>
        <translation>Cancel and close</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>已取消：未开始</source>
        <translation>Cancelled: not begun</translation>
    </message>
    <message>
        <source>已取消：中途停止</source>
        <translation>Cancelled: stopped part-way</translation>
    </message>
    <message>
        <source>扫描已取消。</source>
        <translation>Scan cancelled.</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Searching for printers</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>Decrypting</translation>
    </message>
    <message>
        <source>未开始：先试的打印机失败</source>
        <translation>Not started: a first printer failed</translation>
    </message>
    <message>
        <source>先试 N 台</source>
        <translation>Try N first</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>继续未完成的</source>
        <translation>Resume unfinished</translation>
    </message>
    <message>
        <source>%1：不同</source>
        <translation>%1: differs</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Cannot read</translation>
    </message>
    <message>
        <source>检查偏差(&amp;D)…</source>
        <translation>Check &amp;drift…</translation>
    </message>
    <message>
        <source>检查偏差</source>
        <translation>Check drift</translation>
    </message>
</context>
<context>
    <name>FunctionPage</name>
    <message>
        <source>基本功能</source>
        <translation>Basic functions</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Pri&amp;nt self-test page</translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation>Restart printer (&amp;3)</translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation>&amp;Initialize printer</translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation>Sensor calibration</translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation>Gap calibration (&amp;Q)</translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation>Black mark calibration (&amp;4)</translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation>D&amp;AC calibration</translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation>Paper-out calibration (&amp;V)</translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation>Outlet edge &amp;sensor calibration</translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation>Cutter mode</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>Full cut (&amp;G)</translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation>Cutte&amp;r off</translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation>Peel &amp;mode</translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation>Tear-off mode (&amp;J)</translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation>Keys and buzzer</translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation>Ke&amp;ys on</translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation>&amp;Keys off</translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation>Buzzer on (&amp;2)</translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation>Buzzer off (&amp;1)</translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation>Printer information</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation>Resolution (DPI):</translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation>Max. print width (mm):</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>获取打印机信息(&amp;X)</source>
        <translation>Get printer info (&amp;X)</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>Printer status</translation>
    </message>
    <message>
        <source>获取打印机状态(&amp;Z)</source>
        <translation>Get printer status (&amp;Z)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Device not open!</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Make sure the printer is connected</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，之后连接会关闭。
确定要初始化打印机吗？</source>
        <translation>The printer will be reset to its factory settings: its stored print, distance, network, Bluetooth and serial settings are erased, and the connection closes afterwards.
Initialise the printer?</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Initialize</translation>
    </message>
    <message>
        <source>读取打印机信息</source>
        <translation>Reading printer information</translation>
    </message>
    <message>
        <source>读取打印机状态</source>
        <translation>Reading printer status</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>操作进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>在下一帧之前停止正在进行的操作</source>
        <translation>Stop the running operation before its next frame</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Cancelling…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation>Label Printer Setup Tool </translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print settings</translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation>Distance settings</translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation>Wi-Fi settings</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Bluetooth settings</translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation>Ethernet settings</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Serial port settings</translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation>Peeler settings</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation>Maintenance and update</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation>Operation successful</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Make sure the printer is connected</translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation>USB communication error, please try again</translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation>Network communication error, please try again</translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation>Bluetooth communication error, please try again</translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation>Serial communication error, please try again</translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation>Please open the device first</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation>Out of paper</translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation>Paper low</translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation>Paper jam</translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation>Ribbon low</translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation>No ribbon</translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation>Print head overheated</translation>
    </message>
    <message>
        <source>开盖</source>
        <translation>Cover open</translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation>Positioning error (black mark or gap)</translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation>Cutter error</translation>
    </message>
    <message>
        <source>升级中</source>
        <translation>Updating</translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation>Update error</translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation>Command error</translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation>Printing paused</translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation>Print job deleted</translation>
    </message>
    <message>
        <source>演示模式：模拟打印机 %1:%2</source>
        <translation>Demo mode: simulated printer %1:%2</translation>
    </message>
    <message>
        <source>%1：输入无效，允许范围为 %2 至 %3</source>
        <translation>%1: invalid input, the allowed range is %2 to %3</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>读取失败，请重试</source>
        <translation>Reading failed, please try again</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>未打开打印机</source>
        <translation>No printer open</translation>
    </message>
    <message>
        <source>连接已关闭：请重新打开打印机，再读取和设置。</source>
        <translation>Connection closed: open the printer again before reading or setting.</translation>
    </message>
    <message>
        <source>已连接：%1 · %2</source>
        <translation>Connected: %1 · %2</translation>
    </message>
    <message>
        <source>，TCP端口 %1</source>
        <translation>, TCP port %1</translation>
    </message>
    <message>
        <source>读取和设置标签打印机、下载固件与字库、WiFi配网。</source>
        <translation>Reads and sets label printers, downloads firmware and fonts, and provisions WiFi.</translation>
    </message>
    <message>
        <source>许可证：MIT（随附 LICENSE 文件）</source>
        <translation>Licence: MIT (see the LICENSE file)</translation>
    </message>
    <message>
        <source>保存配置(&amp;A)…</source>
        <translation>S&amp;ave Profile…</translation>
    </message>
    <message>
        <source>应用配置(&amp;Y)…</source>
        <translation>Appl&amp;y Profile…</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>应用配置后尚未读取</source>
        <translation>Not read since the profile was applied</translation>
    </message>
    <message>
        <source>配网后尚未读取</source>
        <translation>Not read since Wi-Fi provisioning</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Change history</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>此型号的打印机不接受字库下载</source>
        <translation>this printer model takes no font download</translation>
    </message>
    <message>
        <source>文件为空，没有可下载的内容：%1</source>
        <translation>the file is empty, nothing to download: %1</translation>
    </message>
    <message>
        <source>无法读取所选文件：%1</source>
        <translation>The chosen file cannot be read: %1</translation>
    </message>
    <message>
        <source>无法在文件所在的文件夹中创建解密文件：%1</source>
        <translation>The decrypted file cannot be created in the file&apos;s folder: %1</translation>
    </message>
    <message>
        <source>解密失败，文件未发送。</source>
        <translation>Decryption failed; the file was not sent.</translation>
    </message>
    <message>
        <source>无法连接到 %1</source>
        <translation>cannot connect to %1</translation>
    </message>
    <message>
        <source>打印机正忙：另一项操作或文件传送正在进行</source>
        <translation>the printer is busy: another operation or a file transfer is under way</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>应答无效</source>
        <translation>invalid reply</translation>
    </message>
    <message>
        <source>打印机正忙</source>
        <translation>the printer is busy</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>USB 传输失败</source>
        <translation>USB transfer failed</translation>
    </message>
    <message>
        <source>无法打开 USB 设备</source>
        <translation>the USB device cannot be opened</translation>
    </message>
    <message>
        <source>网络无应答或连接中断</source>
        <translation>no answer in time, or the connection broke</translation>
    </message>
    <message>
        <source>通信失败（%1）</source>
        <translation>communication failed (%1)</translation>
    </message>
    <message>
        <source>打印机没有应答%1查询（%2）</source>
        <translation>the printer did not answer the %1 query (%2)</translation>
    </message>
    <message>
        <source>打印机没有接受%1（%2）</source>
        <translation>the printer did not take %1 (%2)</translation>
    </message>
    <message>
        <source>打印机没有确认收到%1（%2）</source>
        <translation>the printer did not confirm %1 (%2)</translation>
    </message>
    <message>
        <source>已发送，未确认</source>
        <translation>sent, not confirmed</translation>
    </message>
    <message>
        <source>打印机在限定时间内没有重新应答（%1）</source>
        <translation>the printer did not answer again in time (%1)</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>the printer</translation>
    </message>
    <message>
        <source>配置被拒绝，未发送任何设置：%1</source>
        <translation>refused, nothing sent: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项设置读回的值不同</source>
        <translation>
            <numerusform>%n setting read back different</numerusform>
            <numerusform>%n settings read back different</numerusform>
        </translation>
    </message>
    <message>
        <source>已中断，未开始：%1</source>
        <translation>interrupted, not begun: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项待更改</source>
        <translation>
            <numerusform>%n to change</numerusform>
            <numerusform>%n to change</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已写入 %n 项</source>
        <translation>
            <numerusform>%n written</numerusform>
            <numerusform>%n written</numerusform>
        </translation>
    </message>
    <message>
        <source>；重启打印机后网络设置生效</source>
        <translation>; restart the printer for the network change</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>the bytes</translation>
    </message>
    <message>
        <source>打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效</source>
        <translation>station %1 set; restart the printer for the WiFi change</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write file: %1</translation>
    </message>
    <message>
        <source>诊断报告已保存到 %1</source>
        <translation>Diagnostics report saved to %1</translation>
    </message>
    <message>
        <source>%1 未在限定时间内完成</source>
        <translation>%1 did not finish within the time limit</translation>
    </message>
    <message>
        <source>超过限定时间</source>
        <translation>time limit exceeded</translation>
    </message>
    <message>
        <source>已取消：%1 尚未开始，什么也没有发送</source>
        <translation>Cancelled: %1 had not begun, nothing was sent</translation>
    </message>
    <message>
        <source>已取消：文件尚未开始发送</source>
        <translation>Cancelled: the file had not begun to be sent</translation>
    </message>
    <message>
        <source>已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分</source>
        <translation>Cancelled: %1, %3 of %2 bytes; the printer received only part of the file</translation>
    </message>
    <message>
        <source>已发送 %1/%2 块</source>
        <translation>%1/%2 pieces sent</translation>
    </message>
    <message>
        <source>已取消：%1 在下一帧之前停下</source>
        <translation>Cancelled: %1 stopped before its next frame</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>cancelled</translation>
    </message>
</context>
<context>
    <name>PageBinding</name>
    <message>
        <source>读取设置</source>
        <translation>Reading settings</translation>
    </message>
    <message>
        <source>读取 %1/%2</source>
        <translation>Reading %1/%2</translation>
    </message>
    <message>
        <source>读取已取消：已读取 %1/%2 项，页面未读取</source>
        <translation>Read cancelled: %1/%2 items read, the page is not read</translation>
    </message>
    <message>
        <source>写入设置</source>
        <translation>Writing settings</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>Writing %1/%2</translation>
    </message>
    <message>
        <source>写入已取消：已发送 %1 帧，其余未发送</source>
        <translation>Write cancelled: %1 frames sent, the rest not sent</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>打印速度：</source>
        <translation>Print speed:</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>Print density:</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation>Label gap (mm):</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation>Black mark gap (mm):</translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation>Print direction:</translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation>Rotate 0°</translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation>Print method:</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Mirrored</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation>Print offset (mm):</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation>Vertical offset (mm):</translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation>Print mode:</translation>
    </message>
    <message>
        <source>热敏</source>
        <translation>Direct thermal</translation>
    </message>
    <message>
        <source>热转印</source>
        <translation>Thermal transfer</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation>Auto paper load:</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation>Paper type:</translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation>Black mark</translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation>Command set:</translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation>Default code page:</translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation>Menu language:</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>韩文</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>日文</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>泰文</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation>Width range is 20-108mm, please re-enter</translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation>Height range is 10-1778mm, please re-enter</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>保存配置</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Profile files (*.json)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write file: %1</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>Profile saved to %1</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Apply Profile</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>Cannot read profile file: %1</translation>
    </message>
    <message>
        <source>配置文件无效：%1</source>
        <translation>Invalid profile file: %1</translation>
    </message>
    <message>
        <source>以下设置在此型号上不存在，已跳过：%1</source>
        <translation>These settings do not exist on this model and were skipped: %1</translation>
    </message>
    <message>
        <source>打印机的设置与配置文件相同，无需写入。</source>
        <translation>The printer&apos;s settings match the profile; nothing to write.</translation>
    </message>
    <message>
        <source>将写入以下 %1 项设置：</source>
        <translation>The following %1 settings will be written:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>打印机中的值</source>
        <translation>Value in printer</translation>
    </message>
    <message>
        <source>配置文件中的值</source>
        <translation>Value in profile</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>写入后读回的值与配置文件不同：%1</source>
        <translation>Values read back after writing differ from the profile: %1</translation>
    </message>
    <message>
        <source>配置已应用。WiFi 或网口的更改在打印机重启后生效。</source>
        <translation>Profile applied. WiFi or Ethernet changes take effect after the printer restarts.</translation>
    </message>
    <message>
        <source>配置已应用。</source>
        <translation>Profile applied.</translation>
    </message>
    <message>
        <source>保存配置已取消：没有保存任何文件</source>
        <translation>Saving the profile cancelled: no file was saved</translation>
    </message>
    <message>
        <source>读取打印机设置</source>
        <translation>Reading printer settings</translation>
    </message>
    <message>
        <source>应用配置已取消：什么也没有写入</source>
        <translation>Applying the profile cancelled: nothing was written</translation>
    </message>
    <message>
        <source>应用配置已取消：已写入 %1 项设置，其余未写入</source>
        <translation>Applying the profile cancelled: %1 settings written, the rest not</translation>
    </message>
</context>
<context>
    <name>ReadStateNote</name>
    <message>
        <source>尚未读取</source>
        <translation>Not read yet</translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation>Device SN:</translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation>Device info:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Note: restart the printer after changing this setting</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>AP_IP</source>
        <translation>AP IP</translation>
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
        <translation>IP address</translation>
    </message>
    <message>
        <source>IP模式</source>
        <translation>IP mode</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>SPP_PIN码</source>
        <translation>SPP PIN</translation>
    </message>
    <message>
        <source>SPP名称</source>
        <translation>SPP name</translation>
    </message>
    <message>
        <source>SPP连接模式</source>
        <translation>SPP connection mode</translation>
    </message>
    <message>
        <source>TCP端口号</source>
        <translation>TCP port</translation>
    </message>
    <message>
        <source>UDP端口号</source>
        <translation>UDP port</translation>
    </message>
    <message>
        <source>wifi名称</source>
        <translation>Wi-Fi name</translation>
    </message>
    <message>
        <source>wifi密码</source>
        <translation>Wi-Fi password</translation>
    </message>
    <message>
        <source>wifi模式</source>
        <translation>Wi-Fi mode</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)</source>
        <translation>Paper outlet to print head (dot)</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）</source>
        <translation>Peeler take-away time (s)</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)</source>
        <translation>Vertical offset (mm)</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)</source>
        <translation>Print offset (mm)</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)</source>
        <translation>Print head to tear-off position (dot)</translation>
    </message>
    <message>
        <source>打印方向</source>
        <translation>Print direction</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Print method</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>Print mode</translation>
    </message>
    <message>
        <source>打印浓度</source>
        <translation>Print density</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>Print speed</translation>
    </message>
    <message>
        <source>指令集</source>
        <translation>Command set</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)</source>
        <translation>Label gap (mm)</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>纸张类型</source>
        <translation>Paper type</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)</source>
        <translation>Gap sensor to print head (mm)</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>自动吸纸</source>
        <translation>Auto paper load</translation>
    </message>
    <message>
        <source>设备SN号</source>
        <translation>Device SN</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Device info</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Menu language</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)</source>
        <translation>Black mark sensor to print head (mm)</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)</source>
        <translation>Black mark gap (mm)</translation>
    </message>
    <message>
        <source>默认代码页</source>
        <translation>Default code page</translation>
    </message>
</context>
<context>
    <name>StripperPage</name>
    <message>
        <source>剥离器设置</source>
        <translation>Peeler settings</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation>Peeler take-away time (s):</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>WifiPage</name>
    <message>
        <source>wifi模式：</source>
        <translation>Wi-Fi mode:</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP port:</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>STA mode</translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation>Wi-Fi name:</translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation>Wi-Fi password:</translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation>Note: in AP mode the Wi-Fi password needs at least 8 characters</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Note: restart the printer after changing this setting</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>AP mode</translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation>AP IP:</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>IP settings</translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation>IP mode:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnet mask:</translation>
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
        <translation>W&amp;i-Fi provisioning</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Set</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Setup Tool</translation>
    </message>
    <message>
        <source>AP模式的wifi密码最少为8位</source>
        <translation>In AP mode the Wi-Fi password needs at least 8 characters</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Operation successful, please restart the printer</translation>
    </message>
</context>
<context>
    <name>WifiProvisioning</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>WiFi配网</source>
        <translation>WiFi setup</translation>
    </message>
    <message>
        <source>WiFi配网已取消：什么也没有发送</source>
        <translation>WiFi setup cancelled: nothing was sent</translation>
    </message>
    <message>
        <source>WiFi配网已取消：已切换为站点模式，网络名称和密码未发送</source>
        <translation>WiFi setup cancelled: station mode was set, the network name and password were not sent</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>The change journal %1 cannot be written; changes are not recorded</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>功能 %1</source>
        <translation>Function %1</translation>
    </message>
    <message>
        <source>文件 %1（SHA-256 %2）</source>
        <translation>File %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>控制台发送 %1 字节</source>
        <translation>Console sent %1 bytes</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>变更记录中没有这台打印机的条目。</source>
        <translation>The change history has no entries for this printer.</translation>
    </message>
    <message>
        <source>%1 的变更，最新的在前：</source>
        <translation>Changes to %1, newest first:</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>操作者</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Outcome</translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation>Failed to open file: %1</translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation>Failed to send data to the printer.</translation>
    </message>
</context>
<context>
    <name>prompts</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
