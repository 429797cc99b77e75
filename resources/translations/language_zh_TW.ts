<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>BluetoothPage</name>
    <message>
        <source>SPP名称:</source>
        <translation>SPP名稱:</translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation>BLE:</translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation>SPP連線模式：</translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation>簡易配對</translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation>配對碼配對</translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation>SPP_PIN碼：</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>註：此項功能設定後需重新啟動印表機</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>處理成功，請重新啟動印表機</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>lpstat 未安装：未检查打印队列。</source>
        <translation>lpstat 未安裝：未檢查列印佇列。</translation>
    </message>
    <message>
        <source>没有打印队列指向端口 %1 的 USB 打印机。</source>
        <translation>沒有列印佇列指向連接埠 %1 的 USB 印表機。</translation>
    </message>
    <message>
        <source>打印队列 %1 指向端口 %2 的 USB 打印机。</source>
        <translation>列印佇列 %1 指向連接埠 %2 的 USB 印表機。</translation>
    </message>
    <message>
        <source>队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。</source>
        <translation>佇列列印時本工具無法存取印表機：設定期間請暫停該佇列（cupsdisable %1）。</translation>
    </message>
    <message>
        <source>未安装打印机的 USB 访问规则。</source>
        <translation>未安裝印表機的 USB 存取規則。</translation>
    </message>
    <message>
        <source>没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>沒有該規則只有 root 能開啟印表機：將 60-labelsetup-printers.rules 複製到 /etc/udev/rules.d，然後重新插拔印表機。</translation>
    </message>
    <message>
        <source>已安装 USB 访问规则：%1</source>
        <translation>已安裝 USB 存取規則：%1</translation>
    </message>
    <message>
        <source>无法使用 USB：%1</source>
        <translation>無法使用 USB：%1</translation>
    </message>
    <message>
        <source>检查本机是否允许访问 /dev/bus/usb。</source>
        <translation>檢查本機是否允許存取 /dev/bus/usb。</translation>
    </message>
    <message>
        <source>没有连接此类 USB 打印机。</source>
        <translation>沒有連接此類 USB 印表機。</translation>
    </message>
    <message>
        <source>用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。</source>
        <translation>用 USB 線連接印表機並開機；無電源的 USB 集線器可能無法識別印表機。</translation>
    </message>
    <message>
        <source>端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。</source>
        <translation>連接埠 %1 有一台 USB 印表機（匯流排 %2，裝置 %3）。</translation>
    </message>
    <message>
        <source>安装访问规则：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>安裝存取規則：將 60-labelsetup-printers.rules 複製到 /etc/udev/rules.d，然後重新插拔印表機。</translation>
    </message>
    <message>
        <source>访问规则已安装但尚未生效：重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>存取規則已安裝但尚未生效：重新插拔印表機，或執行 &quot;udevadm trigger&quot;。</translation>
    </message>
    <message>
        <source>当前用户无权打开端口 %1 的 USB 打印机。</source>
        <translation>目前使用者無權開啟連接埠 %1 的 USB 印表機。</translation>
    </message>
    <message>
        <source>udevadm 未安装：未检查规则是否作用于打印机。</source>
        <translation>udevadm 未安裝：未檢查規則是否作用於印表機。</translation>
    </message>
    <message>
        <source>访问规则尚未作用于端口 %1 的 USB 打印机。</source>
        <translation>存取規則尚未作用於連接埠 %1 的 USB 印表機。</translation>
    </message>
    <message>
        <source>重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>重新插拔印表機，或執行 &quot;udevadm trigger&quot;。</translation>
    </message>
    <message>
        <source>无法打开端口 %1 的 USB 打印机：%2</source>
        <translation>無法開啟連接埠 %1 的 USB 印表機：%2</translation>
    </message>
    <message>
        <source>重新插拔打印机后再试。</source>
        <translation>重新插拔印表機後再試。</translation>
    </message>
    <message>
        <source>当前用户可以打开端口 %1 的 USB 打印机（%2）。</source>
        <translation>目前使用者可以開啟連接埠 %1 的 USB 印表機（%2）。</translation>
    </message>
    <message>
        <source>内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。</source>
        <translation>核心驅動程式（通常是 usblp）佔用著連接埠 %1 的 USB 印表機的介面。</translation>
    </message>
    <message>
        <source>本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，或用 &quot;modprobe -r usblp&quot; 卸载驱动。</source>
        <translation>本工具通訊時會暫時中斷該驅動程式；若其他程式同時透過它列印，請先停止該程式，或用 &quot;modprobe -r usblp&quot; 卸載驅動程式。</translation>
    </message>
    <message>
        <source>没有内核驱动占用端口 %1 的 USB 打印机。</source>
        <translation>沒有核心驅動程式佔用連接埠 %1 的 USB 印表機。</translation>
    </message>
    <message>
        <source>%1 不在本机任何网络接口的子网内。</source>
        <translation>%1 不在本機任何網路介面的子網路內。</translation>
    </message>
    <message>
        <source>打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP 地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。</source>
        <translation>印表機須與本機在同一網路，或可經路由器連線：請在印表機自我測試頁上核對其 IP 位址和子網路遮罩，或透過 USB 在乙太網路/WiFi 設定頁修改。</translation>
    </message>
    <message>
        <source>%1 位于本机接口 %2 的子网内。</source>
        <translation>%1 位於本機介面 %2 的子網路內。</translation>
    </message>
    <message>
        <source>ip 未安装：未检查路由。</source>
        <translation>ip 未安裝：未檢查路由。</translation>
    </message>
    <message>
        <source>路由：%1</source>
        <translation>路由：%1</translation>
    </message>
    <message>
        <source>没有通往 %1 的路由。</source>
        <translation>沒有通往 %1 的路由。</translation>
    </message>
    <message>
        <source>请为本机设置默认网关，或将本机接入打印机所在的网络。</source>
        <translation>請為本機設定預設閘道，或將本機連上印表機所在的網路。</translation>
    </message>
    <message>
        <source>%1 的端口 %2 接受连接。</source>
        <translation>%1 的連接埠 %2 接受連線。</translation>
    </message>
    <message>
        <source>%1 拒绝了端口 %2 上的连接。</source>
        <translation>%1 拒絕了連接埠 %2 上的連線。</translation>
    </message>
    <message>
        <source>请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。</source>
        <translation>請核對連接埠：印表機的命令連接埠顯示在其乙太網路設定頁上（未變更時為 9100）。</translation>
    </message>
    <message>
        <source>%1 在 %3 毫秒内未在端口 %2 上应答。</source>
        <translation>%1 在 %3 毫秒內未在連接埠 %2 上回應。</translation>
    </message>
    <message>
        <source>请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。</source>
        <translation>請確認印表機已開機並在此網路中，且沒有防火牆丟棄該連線。</translation>
    </message>
    <message>
        <source>打印机应答了信息查询：%1</source>
        <translation>印表機回應了資訊查詢：%1</translation>
    </message>
    <message>
        <source>端口接受了连接，但打印机未应答信息查询。</source>
        <translation>連接埠接受了連線，但印表機未回應資訊查詢。</translation>
    </message>
    <message>
        <source>可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。</source>
        <translation>可能有其他程式正在使用印表機，或該連接埠屬於別的裝置：重新啟動印表機後再試。</translation>
    </message>
    <message>
        <source>打印机应答了 UDP 端口 %1 上的搜索请求。</source>
        <translation>印表機回應了 UDP 連接埠 %1 上的搜尋要求。</translation>
    </message>
    <message>
        <source>UDP 端口 %1 上的搜索请求没有应答。</source>
        <translation>UDP 連接埠 %1 上的搜尋要求沒有回應。</translation>
    </message>
    <message>
        <source>本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同：列表搜索找不到它，但按地址打开仍可使用。</source>
        <translation>本機防火牆可能丟棄了印表機的回應（請放行 UDP 連接埠 %1），或印表機的搜尋連接埠不同：清單搜尋找不到它，但依位址開啟仍可使用。</translation>
    </message>
    <message>
        <source>无法解析地址 %1。</source>
        <translation>無法解析位址 %1。</translation>
    </message>
    <message>
        <source>请输入打印机自检页上显示的 IP 地址。</source>
        <translation>請輸入印表機自我測試頁上顯示的 IP 位址。</translation>
    </message>
    <message>
        <source>未查询：端口不接受连接。</source>
        <translation>未查詢：連接埠不接受連線。</translation>
    </message>
    <message>
        <source>USB 打印机</source>
        <translation>USB 印表機</translation>
    </message>
    <message>
        <source>USB 访问权限</source>
        <translation>USB 存取權限</translation>
    </message>
    <message>
        <source>udev 规则</source>
        <translation>udev 規則</translation>
    </message>
    <message>
        <source>udev 规则已生效</source>
        <translation>udev 規則已生效</translation>
    </message>
    <message>
        <source>内核驱动</source>
        <translation>核心驅動程式</translation>
    </message>
    <message>
        <source>打印队列</source>
        <translation>列印佇列</translation>
    </message>
    <message>
        <source>打印机地址</source>
        <translation>印表機位址</translation>
    </message>
    <message>
        <source>子网</source>
        <translation>子網路</translation>
    </message>
    <message>
        <source>路由</source>
        <translation>路由</translation>
    </message>
    <message>
        <source>TCP 端口</source>
        <translation>TCP 連接埠</translation>
    </message>
    <message>
        <source>打印机应答</source>
        <translation>印表機回應</translation>
    </message>
    <message>
        <source>发现端口</source>
        <translation>探索連接埠</translation>
    </message>
    <message>
        <source>%1 无法到达：%2。</source>
        <translation>%1 無法到達：%2。</translation>
    </message>
    <message>
        <source>本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。</source>
        <translation>本機沒有通往該網路的路徑：請檢查本機的網路連線、位址和閘道。</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>本系統不適用</translation>
    </message>
    <message>
        <source>未检查搜索端口：按地址连接不用它。</source>
        <translation>未檢查搜尋埠：按位址連線不用它。</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>连接方式</source>
        <translation>連線方式</translation>
    </message>
    <message>
        <source>有线网络</source>
        <translation>有線網路(&amp;H)</translation>
    </message>
    <message>
        <source>无线网络</source>
        <translation>無線網路(&amp;W)</translation>
    </message>
    <message>
        <source>蓝牙(&amp;B)</source>
        <translation>藍牙(&amp;B)</translation>
    </message>
    <message>
        <source>串口(&amp;P)</source>
        <translation>序列埠(&amp;P)</translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation>IP連線設定</translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation>設備IP:</translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation>TCP連接埠:</translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation>UDP連接埠:</translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation>序列埠參數</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>同位元：</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>無同位元</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>奇同位</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>偶同位</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>資料位元：</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>停止位元：</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>設備清單</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>重新整理清單(&amp;L)</translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation>停止搜尋(&amp;T)</translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation>開啟設備(&amp;O)</translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation>關閉設備(&amp;C)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation>請確認通訊設備已開啟</translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation>請先選取清單中的印表機</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation>連線逾時，請重試！</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>連線成功！</translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation>關閉成功！</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)</source>
        <translation>連線診斷(&amp;D)</translation>
    </message>
    <message>
        <source>导出诊断报告(&amp;E)…</source>
        <translation>匯出診斷報告(&amp;E)…</translation>
    </message>
    <message>
        <source>打印机群(&amp;F)…</source>
        <translation>印表機群(&amp;F)…</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>搜尋印表機</translation>
    </message>
    <message>
        <source>打开打印机</source>
        <translation>開啟印表機</translation>
    </message>
    <message>
        <source>关闭打印机</source>
        <translation>關閉印表機</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>消息区</source>
        <translation>訊息區</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>傳送區</translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation>HEX傳送(&amp;X)</translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation>HEX接收(&amp;R)</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>傳送(&amp;S)</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>傳送檔案(&amp;N)</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>清除傳送(&amp;A)</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>清除接收(&amp;I)</translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation>傳送進度</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>下載成功</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>設備未開啟!</translation>
    </message>
    <message>
        <source>此十六进制字符串格式无效。</source>
        <translation>此十六進位字串格式無效。</translation>
    </message>
    <message>
        <source>发送失败！请重试</source>
        <translation>傳送失敗！請重試</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>发送文件 %1，%2 字节</source>
        <translation>傳送檔案 %1，%2 位元組</translation>
    </message>
    <message>
        <source>第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格</source>
        <translation>第 %1 個字元處的空白不對：位元組之間正好一個空格，不能換行，開頭結尾不留空格</translation>
    </message>
    <message>
        <source>第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F</source>
        <translation>第 %1 個字元「%2」不是十六進位數字：應為 0-9 或 A-F</translation>
    </message>
    <message>
        <source>发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40</source>
        <translation>傳送區為空：應為兩位一組的十六進位數，以空格分開，如 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40</source>
        <translation>第 %1 個字元起的數字超過兩位：位元組之間應有一個空格，如 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F</source>
        <translation>第 %1 個字元起有奇數個十六進位數字：每個位元組要兩位，如 0F</translation>
    </message>
    <message>
        <source>已取消：已发送 %1/%2 块</source>
        <translation>已取消：已傳送 %1/%2 塊</translation>
    </message>
    <message>
        <source>发送 %1/%2 块</source>
        <translation>傳送 %1/%2 塊</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>傳送資料</translation>
    </message>
</context>
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation>請確認印表機是否已安裝/連接對應的剝離器</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DiagnosticsActions</name>
    <message>
        <source>正在诊断…</source>
        <translation>正在診斷…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>通過</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>略過</translation>
    </message>
    <message>
        <source>连接诊断结果</source>
        <translation>連線診斷結果</translation>
    </message>
    <message>
        <source>未输入地址：只检查 USB 打印机。</source>
        <translation>未輸入位址：只檢查 USB 印表機。</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>建议</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>导出诊断报告…</source>
        <translation>匯出診斷報告…</translation>
    </message>
    <message>
        <source>诊断报告 (*.json)</source>
        <translation>診斷報告 (*.json)</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>本系統不適用</translation>
    </message>
    <message>
        <source>只检查网络打印机 %1。</source>
        <translation>只檢查網路印表機 %1。</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>連線診斷</translation>
    </message>
</context>
<context>
    <name>DistancePage</name>
    <message>
        <source>距离设置</source>
        <translation>距離設定</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation>出紙口到列印頭距離(單位dot)：</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation>縫到列印頭距離(單位mm)：</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation>黑標到列印頭距離(單位mm)：</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation>列印頭到撕紙位置距離(單位dot)：</translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation>註：1mm = 8dot</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation>註：1mm = 12dot</translation>
    </message>
</context>
<context>
    <name>DistributeNet</name>
    <message>
        <source>WIFI配网</source>
        <translation>Wi-Fi連線設定</translation>
    </message>
    <message>
        <source>请选择WiFi网络</source>
        <translation>請選擇Wi-Fi網路</translation>
    </message>
    <message>
        <source>可用WiFi列表（点击选择）</source>
        <translation>可用Wi-Fi清單（點擊選擇）</translation>
    </message>
    <message>
        <source>所选WiFi</source>
        <translation>所選Wi-Fi</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>请输入WiFi密码</source>
        <translation>請輸入Wi-Fi密碼</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>顯示(&amp;H)</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>名稱:</translation>
    </message>
    <message>
        <source>选择手动输入</source>
        <translation>選擇手動輸入(&amp;E)</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>重新整理清單(&amp;R)</translation>
    </message>
    <message>
        <source>开始配网</source>
        <translation>開始連線設定(&amp;S)</translation>
    </message>
    <message>
        <source>扫描中...</source>
        <translation>掃描中...</translation>
    </message>
    <message>
        <source>(当前连接)</source>
        <translation>(目前連線)</translation>
    </message>
    <message>
        <source>请输入WiFi名称</source>
        <translation>請輸入Wi-Fi名稱</translation>
    </message>
    <message>
        <source>请刷新列表，或选择手动输入WiFi名称</source>
        <translation>請重新整理清單，或選擇手動輸入Wi-Fi名稱</translation>
    </message>
    <message>
        <source>请选择一个WiFi</source>
        <translation>請選擇一個Wi-Fi</translation>
    </message>
    <message>
        <source>找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。</source>
        <translation>找不到WiFi掃描程式「%1」：請勾選「選擇手動輸入」，手動輸入WiFi名稱。</translation>
    </message>
    <message>
        <source>没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。</source>
        <translation>沒有找到WiFi網路：請勾選「選擇手動輸入」，手動輸入WiFi名稱，或稍後重新整理列表。</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>打印机：%1</source>
        <translation>印表機：%1</translation>
    </message>
</context>
<context>
    <name>DownloadPanel</name>
    <message>
        <source>固件与字库下载</source>
        <translation>韌體與字型下載</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>下載韌體(&amp;M)</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>下載字型(&amp;G)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>下載成功</translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation>等待印表機指示燈停止閃爍</translation>
    </message>
    <message>
        <source>HEX File</source>
        <translation>HEX檔案</translation>
    </message>
    <message>
        <source>HEX Files (*.hex);;All Files (*)</source>
        <translation>HEX檔案 (*.hex);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>BIN File</source>
        <translation>BIN檔案</translation>
    </message>
    <message>
        <source>BIN Files (*.bin);;All Files (*)</source>
        <translation>BIN檔案 (*.bin);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>下载固件 %1，%2 字节</source>
        <translation>下載韌體 %1，%2 位元組</translation>
    </message>
    <message>
        <source>下载字库 %1，%2 字节</source>
        <translation>下載字庫 %1，%2 位元組</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>連線失敗: </translation>
    </message>
    <message>
        <source>连接失败: </source>
        <translation>連線失敗: </translation>
    </message>
    <message>
        <source>%1 下载失败：%2</source>
        <translation>%1 下載失敗：%2</translation>
    </message>
    <message>
        <source>%1 下载完成</source>
        <translation>%1 下載完成</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>EthernetPage</name>
    <message>
        <source>IP模式：</source>
        <translation>IP模式：</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP位址：</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>閘道位址：</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP連接埠：</translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation>UDP連接埠：</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>註：此項功能設定後需重新啟動印表機</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>地址格式错误，请输入如192.168.1.100的四段地址</source>
        <translation>位址格式錯誤，請輸入如192.168.1.100的四段位址</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>處理成功，請重新啟動印表機</translation>
    </message>
</context>
<context>
    <name>FleetJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>變更記錄 %1 無法寫入，變更未被記錄</translation>
    </message>
</context>
<context>
    <name>FleetModel</name>
    <message>
        <source>无法连接</source>
        <translation>無法連線</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>厂商</source>
        <translation>廠商</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>最后应答</source>
        <translation>最後回應</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>偏差</translation>
    </message>
</context>
<context>
    <name>FleetRun</name>
    <message>
        <source>%1/%2 台打印机</source>
        <translation>%1/%2 台印表機</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>打印机群</source>
        <translation>印表機群</translation>
    </message>
    <message>
        <source>地址[:端口]，或 usb:端口</source>
        <translation>位址[:埠]，或 usb:埠</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>新增(&amp;A)</translation>
    </message>
    <message>
        <source>扫描网段(&amp;R)…</source>
        <translation>掃描網段(&amp;R)…</translation>
    </message>
    <message>
        <source>导入目标文件(&amp;I)…</source>
        <translation>匯入目標檔(&amp;I)…</translation>
    </message>
    <message>
        <source>搜索(&amp;C)</source>
        <translation>搜尋(&amp;C)</translation>
    </message>
    <message>
        <source>应用配置(&amp;P)…</source>
        <translation>套用設定檔(&amp;P)…</translation>
    </message>
    <message>
        <source>下载固件(&amp;F)…</source>
        <translation>下載韌體(&amp;F)…</translation>
    </message>
    <message>
        <source>下载字库(&amp;O)…</source>
        <translation>下載字型(&amp;O)…</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>列印自我測試頁(&amp;S)</translation>
    </message>
    <message>
        <source>导出清单(&amp;E)…</source>
        <translation>匯出清單(&amp;E)…</translation>
    </message>
    <message>
        <source>移除(&amp;M)</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>轮询间隔</source>
        <translation>輪詢間隔</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>并行</source>
        <translation>並行</translation>
    </message>
    <message>
        <source>期望固件版本</source>
        <translation>預期韌體版本</translation>
    </message>
    <message>
        <source>不检查</source>
        <translation>不檢查</translation>
    </message>
    <message>
        <source>扫描网段</source>
        <translation>掃描網段</translation>
    </message>
    <message>
        <source>正在扫描 %1 个地址…</source>
        <translation>正在掃描 %1 個位址…</translation>
    </message>
    <message>
        <source>找到 %1 台打印机，新加入 %2 台。</source>
        <translation>找到 %1 台印表機，新加入 %2 台。</translation>
    </message>
    <message>
        <source>导入目标文件</source>
        <translation>匯入目標檔</translation>
    </message>
    <message>
        <source>目标文件 (*.txt *.list);;所有文件 (*)</source>
        <translation>目標檔 (*.txt *.list);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <source>第 %1 行不是地址：%2</source>
        <translation>第 %1 行不是位址：%2</translation>
    </message>
    <message>
        <source>%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5</source>
        <translation>%1 台：就緒 %2，忙 %3，需處理 %4，無法連線 %5</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>套用設定檔</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>設定檔 (*.json);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>无法使用 %1：%2</source>
        <translation>無法使用 %1：%2</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>失敗：%1</translation>
    </message>
    <message>
        <source>校验不符 %1 项</source>
        <translation>校驗不符 %1 項</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>%1 項不同</translation>
    </message>
    <message>
        <source>已写入 %1 项</source>
        <translation>已寫入 %1 項</translation>
    </message>
    <message>
        <source>没有需要写入的设置。</source>
        <translation>沒有需要寫入的設定。</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>下載韌體</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>下載字型</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>等待中</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>无法解密文件</source>
        <translation>無法解密檔案</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>成功：%1 → %2</source>
        <translation>成功：%1 → %2</translation>
    </message>
    <message>
        <source>版本不符：%1</source>
        <translation>版本不符：%1</translation>
    </message>
    <message>
        <source>版本未变：%1</source>
        <translation>版本未變：%1</translation>
    </message>
    <message>
        <source>失败：无法连接</source>
        <translation>失敗：無法連線</translation>
    </message>
    <message>
        <source>失败：传输中断</source>
        <translation>失敗：傳輸中斷</translation>
    </message>
    <message>
        <source>已发送自检</source>
        <translation>已傳送自我測試</translation>
    </message>
    <message>
        <source>导出清单</source>
        <translation>匯出清單</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;JSON 文件 (*.json)</source>
        <translation>CSV 檔 (*.csv);;JSON 檔 (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>無法讀取：%1</translation>
    </message>
    <message>
        <source>第 %1 行不完整（文件在此中断）：%2</source>
        <translation>第 %1 行不完整（檔案在此中斷）：%2</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取，%2。
文件保持原样；列表改动后先询问是否覆盖它。</source>
        <translation>印表機清單 %1 無法完整讀取，%2。
檔案保持原樣；清單變更後會先詢問是否覆寫。</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？原文件另存为 %4。</source>
        <translation>印表機清單 %1 無法完整讀取（%2）。用現在的 %3 台印表機覆寫它？原檔案另存為 %4。</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>无法另存 %1，清单未写入。</source>
        <translation>無法另存 %1，清單未寫入。</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>把字库 %1 下载到 %2 台打印机？</source>
        <translation>把字型 %1 下載到 %2 台印表機？</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。</source>
        <translation>把韌體 %1 下載到 %2 台印表機？印表機將重新啟動；未填寫期望版本，不核對版本。</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。</source>
        <translation>把韌體 %1 下載到 %2 台印表機？印表機將重新啟動，之後應為版本 %3。</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>写入并校验？</source>
        <translation>寫入並校驗？</translation>
    </message>
    <message>
        <source>网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 65536 个地址（/16）。</source>
        <translation>網段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :埠。一次最多 65536 個位址（/16）。</translation>
    </message>
    <message>
        <source>（未知）</source>
        <translation>（未知）</translation>
    </message>
    <message>
        <source>%1 台打印机共 %2 项设置与配置不同：</source>
        <translation>%1 台印表機共 %2 項設定與配置不同：</translation>
    </message>
    <message>
        <source>不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，一次最多 65536 个地址。</source>
        <translation>不是可掃描的網段：%1。應為 a.b.c.d/n（n 不小於 16）或 a.b.c.d-e，一次最多 65536 個位址。</translation>
    </message>
    <message>
        <source>搜索到 %1 台打印机，新加入 %2 台。</source>
        <translation>搜尋到 %1 台印表機，新加入 %2 台。</translation>
    </message>
    <message>
        <source>不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。</source>
        <translation>不是位址：%1。應為 位址[:埠]（埠 1 到 65535）或 usb:埠（1 到 255）。</translation>
    </message>
    <message>
        <source>正在搜索…</source>
        <translation>正在搜尋…</translation>
    </message>
    <message>
        <source>正在搜索打印机…</source>
        <translation>正在搜尋印表機…</translation>
    </message>
    <message>
        <source>%1 是网段，不是一个地址：网段请用“扫描网段…”。</source>
        <translation>%1 是網段，不是一個位址：網段請用「掃描網段…」。</translation>
    </message>
    <message>
        <source>%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。</source>
        <translation>%1 不是 IPv4 位址：應為四個 0 到 255 的數，如 192.168.1.20。</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，进行中的在下一帧处停止，其余的不再开始。</source>
        <translation>操作仍在進行。取消它並關閉視窗？已完成的印表機保持原樣，進行中的在下一幀處停止，其餘的不再開始。</translation>
    </message>
    <message>
        <source>取消并关闭</source>
        <translation>取消並關閉</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>已取消：未开始</source>
        <translation>已取消：未開始</translation>
    </message>
    <message>
        <source>已取消：中途停止</source>
        <translation>已取消：中途停止</translation>
    </message>
    <message>
        <source>扫描已取消。</source>
        <translation>掃描已取消。</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>搜尋印表機</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>未开始：先试的打印机失败</source>
        <translation>未開始：先試的印表機失敗</translation>
    </message>
    <message>
        <source>先试 N 台</source>
        <translation>先試 N 台</translation>
    </message>
    <message>
        <source>关</source>
        <translation>關</translation>
    </message>
    <message>
        <source>继续未完成的</source>
        <translation>繼續未完成的</translation>
    </message>
    <message>
        <source>%1：不同</source>
        <translation>%1：不同</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>無法讀取</translation>
    </message>
    <message>
        <source>检查偏差(&amp;D)…</source>
        <translation>檢查偏差(&amp;D)…</translation>
    </message>
    <message>
        <source>检查偏差</source>
        <translation>檢查偏差</translation>
    </message>
</context>
<context>
    <name>FunctionPage</name>
    <message>
        <source>基本功能</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>列印自我測試頁(&amp;N)</translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation>重新啟動機器(&amp;3)</translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation>印表機初始化(&amp;I)</translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation>感測器自學習</translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation>縫隙自學習(&amp;Q)</translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation>黑標自學習(&amp;4)</translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation>DAC自學習(&amp;A)</translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation>缺紙學習(&amp;V)</translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation>出紙口紙邊感測器自學習(&amp;S)</translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation>切刀模式</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>全切(&amp;G)</translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation>切刀關閉(&amp;R)</translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation>剝離模式(&amp;M)</translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation>撕離模式(&amp;J)</translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation>按鍵與蜂鳴器</translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation>按鍵設定開啟(&amp;Y)</translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation>按鍵設定關閉(&amp;K)</translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation>蜂鳴器開啟(&amp;2)</translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation>蜂鳴器關閉(&amp;1)</translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation>印表機資訊</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>韌體版本：</translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation>解析度(DPI)：</translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation>最大列印寬度(mm)：</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>型號：</translation>
    </message>
    <message>
        <source>获取打印机信息(&amp;X)</source>
        <translation>取得印表機資訊(&amp;X)</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>印表機狀態</translation>
    </message>
    <message>
        <source>获取打印机状态(&amp;Z)</source>
        <translation>取得印表機狀態(&amp;Z)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>設備未開啟!</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>請確認印表機已連線</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>閒置中</translation>
    </message>
    <message>
        <source>打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，之后连接会关闭。
确定要初始化打印机吗？</source>
        <translation>印表機將恢復出廠設定：已儲存的列印、距離、網路、藍牙和序列埠設定都會被清除，之後連線會關閉。
確定要初始化印表機嗎？</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>初始化</translation>
    </message>
    <message>
        <source>读取打印机信息</source>
        <translation>讀取印表機資訊</translation>
    </message>
    <message>
        <source>读取打印机状态</source>
        <translation>讀取印表機狀態</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>操作进度</source>
        <translation>操作進度</translation>
    </message>
    <message>
        <source>在下一帧之前停止正在进行的操作</source>
        <translation>在下一幀之前停止正在進行的操作</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>正在取消…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation>標籤機設定工具</translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>印表機設定</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>列印設定</translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation>距離設定</translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation>Wi-Fi設定</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>藍牙設定</translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation>乙太網路設定</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>序列埠設定</translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation>剝離器設定</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>功能設定</translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation>維護升級</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation>處理成功</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>請確認印表機已連線</translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation>USB通訊錯誤，請重試</translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation>網路通訊錯誤，請重試</translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation>藍牙通訊錯誤，請重試</translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation>序列埠通訊錯誤，請重試</translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation>請先開啟設備</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>列印中</translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation>缺紙</translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation>紙將盡</translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation>卡紙</translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation>碳帶將盡</translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation>無碳帶</translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation>列印頭過熱</translation>
    </message>
    <message>
        <source>开盖</source>
        <translation>開蓋</translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation>定位異常（黑標或縫隙）</translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation>切刀異常</translation>
    </message>
    <message>
        <source>升级中</source>
        <translation>升級中</translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation>升級異常</translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation>指令錯誤</translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation>列印暫停</translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation>列印刪除</translation>
    </message>
    <message>
        <source>演示模式：模拟打印机 %1:%2</source>
        <translation>展示模式：模擬印表機 %1:%2</translation>
    </message>
    <message>
        <source>%1：输入无效，允许范围为 %2 至 %3</source>
        <translation>%1：輸入無效，允許範圍為 %2 至 %3</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>读取失败，请重试</source>
        <translation>讀取失敗，請重試</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>未打开打印机</source>
        <translation>未開啟印表機</translation>
    </message>
    <message>
        <source>连接已关闭：请重新打开打印机，再读取和设置。</source>
        <translation>連線已關閉：請重新開啟印表機，再讀取和設定。</translation>
    </message>
    <message>
        <source>已连接：%1 · %2</source>
        <translation>已連線：%1 · %2</translation>
    </message>
    <message>
        <source>，TCP端口 %1</source>
        <translation>，TCP埠 %1</translation>
    </message>
    <message>
        <source>读取和设置标签打印机、下载固件与字库、WiFi配网。</source>
        <translation>讀取和設定標籤印表機、下載韌體與字庫、WiFi配網。</translation>
    </message>
    <message>
        <source>许可证：MIT（随附 LICENSE 文件）</source>
        <translation>授權：MIT（隨附 LICENSE 檔案）</translation>
    </message>
    <message>
        <source>保存配置(&amp;A)…</source>
        <translation>儲存設定檔(&amp;A)…</translation>
    </message>
    <message>
        <source>应用配置(&amp;Y)…</source>
        <translation>套用設定檔(&amp;Y)…</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>閒置中</translation>
    </message>
    <message>
        <source>应用配置后尚未读取</source>
        <translation>套用設定檔後尚未讀取</translation>
    </message>
    <message>
        <source>配网后尚未读取</source>
        <translation>Wi-Fi連線設定後尚未讀取</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>變更記錄</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>此型号的打印机不接受字库下载</source>
        <translation>此型號的印表機不接受字庫下載</translation>
    </message>
    <message>
        <source>文件为空，没有可下载的内容：%1</source>
        <translation>檔案為空，沒有可下載的內容：%1</translation>
    </message>
    <message>
        <source>无法读取所选文件：%1</source>
        <translation>無法讀取所選檔案：%1</translation>
    </message>
    <message>
        <source>无法在文件所在的文件夹中创建解密文件：%1</source>
        <translation>無法在檔案所在的資料夾中建立解密檔案：%1</translation>
    </message>
    <message>
        <source>解密失败，文件未发送。</source>
        <translation>解密失敗，檔案未傳送。</translation>
    </message>
    <message>
        <source>无法连接到 %1</source>
        <translation>無法連線到 %1</translation>
    </message>
    <message>
        <source>打印机正忙：另一项操作或文件传送正在进行</source>
        <translation>印表機忙碌中：另一項操作或檔案傳送正在進行</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>应答无效</source>
        <translation>應答無效</translation>
    </message>
    <message>
        <source>打印机正忙</source>
        <translation>印表機忙碌中</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>USB 传输失败</source>
        <translation>USB 傳輸失敗</translation>
    </message>
    <message>
        <source>无法打开 USB 设备</source>
        <translation>無法開啟 USB 裝置</translation>
    </message>
    <message>
        <source>网络无应答或连接中断</source>
        <translation>網路無應答或連線中斷</translation>
    </message>
    <message>
        <source>通信失败（%1）</source>
        <translation>通訊失敗（%1）</translation>
    </message>
    <message>
        <source>打印机没有应答%1查询（%2）</source>
        <translation>印表機沒有應答%1查詢（%2）</translation>
    </message>
    <message>
        <source>打印机没有接受%1（%2）</source>
        <translation>印表機沒有接受%1（%2）</translation>
    </message>
    <message>
        <source>打印机没有确认收到%1（%2）</source>
        <translation>印表機沒有確認收到%1（%2）</translation>
    </message>
    <message>
        <source>已发送，未确认</source>
        <translation>已傳送，未確認</translation>
    </message>
    <message>
        <source>打印机在限定时间内没有重新应答（%1）</source>
        <translation>印表機在限定時間內沒有重新應答（%1）</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>印表機</translation>
    </message>
    <message>
        <source>配置被拒绝，未发送任何设置：%1</source>
        <translation>設定檔被拒絕，未傳送任何設定：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项设置读回的值不同</source>
        <translation>
            <numerusform>%n 項設定讀回的值不同</numerusform>
        </translation>
    </message>
    <message>
        <source>已中断，未开始：%1</source>
        <translation>已中斷，未開始：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项待更改</source>
        <translation>
            <numerusform>%n 項待變更</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已写入 %n 项</source>
        <translation>
            <numerusform>已寫入 %n 項</numerusform>
        </translation>
    </message>
    <message>
        <source>；重启打印机后网络设置生效</source>
        <translation>；重新啟動印表機後網路設定生效</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>資料</translation>
    </message>
    <message>
        <source>打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效</source>
        <translation>印表機已收到 WiFi 網路 %1 的憑證；重新啟動印表機後生效</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>無法寫入檔案：%1</translation>
    </message>
    <message>
        <source>诊断报告已保存到 %1</source>
        <translation>診斷報告已儲存到 %1</translation>
    </message>
    <message>
        <source>%1 未在限定时间内完成</source>
        <translation>%1 未在限定時間內完成</translation>
    </message>
    <message>
        <source>超过限定时间</source>
        <translation>超過限定時間</translation>
    </message>
    <message>
        <source>已取消：%1 尚未开始，什么也没有发送</source>
        <translation>已取消：%1 尚未開始，什麼也沒有傳送</translation>
    </message>
    <message>
        <source>已取消：文件尚未开始发送</source>
        <translation>已取消：檔案尚未開始傳送</translation>
    </message>
    <message>
        <source>已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分</source>
        <translation>已取消：%1，共 %2 位元組中的 %3 位元組；印表機只收到檔案的一部分</translation>
    </message>
    <message>
        <source>已发送 %1/%2 块</source>
        <translation>已傳送 %1/%2 塊</translation>
    </message>
    <message>
        <source>已取消：%1 在下一帧之前停下</source>
        <translation>已取消：%1 在下一幀之前停下</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>PageBinding</name>
    <message>
        <source>读取设置</source>
        <translation>讀取設定</translation>
    </message>
    <message>
        <source>读取 %1/%2</source>
        <translation>讀取 %1/%2</translation>
    </message>
    <message>
        <source>读取已取消：已读取 %1/%2 项，页面未读取</source>
        <translation>讀取已取消：已讀取 %1/%2 項，頁面未讀取</translation>
    </message>
    <message>
        <source>写入设置</source>
        <translation>寫入設定</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>寫入 %1/%2</translation>
    </message>
    <message>
        <source>写入已取消：已发送 %1 帧，其余未发送</source>
        <translation>寫入已取消：已傳送 %1 幀，其餘未傳送</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>打印速度：</source>
        <translation>列印速度：</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>列印濃度：</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation>標籤間隙(單位mm)：</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation>黑標間隙(單位mm)：</translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation>列印方向：</translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation>旋轉0度</translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation>旋轉180度</translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation>列印方式：</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>正常列印</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>鏡像列印</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation>列印偏移(單位mm)：</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation>垂直偏移(單位mm)：</translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation>列印模式：</translation>
    </message>
    <message>
        <source>热敏</source>
        <translation>熱感</translation>
    </message>
    <message>
        <source>热转印</source>
        <translation>熱轉印</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>自動適應</translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation>自動吸紙：</translation>
    </message>
    <message>
        <source>关</source>
        <translation>關</translation>
    </message>
    <message>
        <source>开</source>
        <translation>開</translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation>紙張類型：</translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation>標籤紙</translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation>黑標紙</translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation>連續紙</translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation>指令集：</translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation>預設字碼頁：</translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation>語言切換：</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>韩文</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>日文</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>泰文</source>
        <translation>泰文</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>寬度：</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation>寬度範圍20-108mm，請重新輸入</translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation>高度範圍10-1778mm，請重新輸入</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>保存配置</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>設定檔 (*.json)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>無法寫入檔案：%1</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>設定檔已儲存到 %1</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>套用設定檔</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>無法讀取設定檔：%1</translation>
    </message>
    <message>
        <source>配置文件无效：%1</source>
        <translation>設定檔無效：%1</translation>
    </message>
    <message>
        <source>以下设置在此型号上不存在，已跳过：%1</source>
        <translation>以下設定在此型號上不存在，已略過：%1</translation>
    </message>
    <message>
        <source>打印机的设置与配置文件相同，无需写入。</source>
        <translation>印表機的設定與設定檔相同，無需寫入。</translation>
    </message>
    <message>
        <source>将写入以下 %1 项设置：</source>
        <translation>將寫入以下 %1 項設定：</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>打印机中的值</source>
        <translation>印表機中的值</translation>
    </message>
    <message>
        <source>配置文件中的值</source>
        <translation>設定檔中的值</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>写入后读回的值与配置文件不同：%1</source>
        <translation>寫入後讀回的值與設定檔不同：%1</translation>
    </message>
    <message>
        <source>配置已应用。WiFi 或网口的更改在打印机重启后生效。</source>
        <translation>設定檔已套用。WiFi 或乙太網路的變更在印表機重新啟動後生效。</translation>
    </message>
    <message>
        <source>配置已应用。</source>
        <translation>設定檔已套用。</translation>
    </message>
    <message>
        <source>保存配置已取消：没有保存任何文件</source>
        <translation>儲存設定已取消：沒有儲存任何檔案</translation>
    </message>
    <message>
        <source>读取打印机设置</source>
        <translation>讀取印表機設定</translation>
    </message>
    <message>
        <source>应用配置已取消：什么也没有写入</source>
        <translation>套用設定已取消：什麼也沒有寫入</translation>
    </message>
    <message>
        <source>应用配置已取消：已写入 %1 项设置，其余未写入</source>
        <translation>套用設定已取消：已寫入 %1 項設定，其餘未寫入</translation>
    </message>
</context>
<context>
    <name>ReadStateNote</name>
    <message>
        <source>尚未读取</source>
        <translation>尚未讀取</translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>波特率：</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>同位元：</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>資料位元：</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>停止位元：</translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation>設備SN號:</translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation>設備資訊：</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>註：此項功能設定後需重新啟動印表機</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>AP_IP</source>
        <translation>AP_IP</translation>
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
        <translation>IP位址</translation>
    </message>
    <message>
        <source>IP模式</source>
        <translation>IP模式</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>SPP_PIN码</source>
        <translation>SPP_PIN碼</translation>
    </message>
    <message>
        <source>SPP名称</source>
        <translation>SPP名稱</translation>
    </message>
    <message>
        <source>SPP连接模式</source>
        <translation>SPP連線模式</translation>
    </message>
    <message>
        <source>TCP端口号</source>
        <translation>TCP連接埠</translation>
    </message>
    <message>
        <source>UDP端口号</source>
        <translation>UDP連接埠</translation>
    </message>
    <message>
        <source>wifi名称</source>
        <translation>Wi-Fi名稱</translation>
    </message>
    <message>
        <source>wifi密码</source>
        <translation>Wi-Fi密碼</translation>
    </message>
    <message>
        <source>wifi模式</source>
        <translation>Wi-Fi模式</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>停止位元</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)</source>
        <translation>出紙口到列印頭距離(單位dot)</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）</source>
        <translation>剝離器取紙時間設定（單位：s）</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)</source>
        <translation>垂直偏移(單位mm)</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>寬度</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)</source>
        <translation>列印偏移(單位mm)</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)</source>
        <translation>列印頭到撕紙位置距離(單位dot)</translation>
    </message>
    <message>
        <source>打印方向</source>
        <translation>列印方向</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>列印方式</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>列印模式</translation>
    </message>
    <message>
        <source>打印浓度</source>
        <translation>列印濃度</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>列印速度</translation>
    </message>
    <message>
        <source>指令集</source>
        <translation>指令集</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>資料位元</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)</source>
        <translation>標籤間隙(單位mm)</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>同位元</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>纸张类型</source>
        <translation>紙張類型</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)</source>
        <translation>縫到列印頭距離(單位mm)</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>閘道位址</translation>
    </message>
    <message>
        <source>自动吸纸</source>
        <translation>自動吸紙</translation>
    </message>
    <message>
        <source>设备SN号</source>
        <translation>設備SN號</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>設備資訊</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>語言切換</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)</source>
        <translation>黑標到列印頭距離(單位mm)</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)</source>
        <translation>黑標間隙(單位mm)</translation>
    </message>
    <message>
        <source>默认代码页</source>
        <translation>預設字碼頁</translation>
    </message>
</context>
<context>
    <name>StripperPage</name>
    <message>
        <source>剥离器设置</source>
        <translation>剝離器設定</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation>剝離器取紙時間設定（單位：s）：</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>WifiPage</name>
    <message>
        <source>wifi模式：</source>
        <translation>Wi-Fi模式：</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC：</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>TCP連接埠：</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>STA模式</translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation>Wi-Fi名稱：</translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation>Wi-Fi密碼：</translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation>註：AP模式的Wi-Fi密碼最少為8位</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>註：此項功能設定後需重新啟動印表機</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>AP模式</translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation> AP_IP:</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>IP設定</translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation>IP模式：</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>閘道位址：</translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <source>WIFI配网</source>
        <translation>Wi-Fi連線設定(&amp;I)</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>設定工具</translation>
    </message>
    <message>
        <source>AP模式的wifi密码最少为8位</source>
        <translation>AP模式的Wi-Fi密碼最少為8位</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>處理成功，請重新啟動印表機</translation>
    </message>
</context>
<context>
    <name>WifiProvisioning</name>
    <message>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>WiFi配网</source>
        <translation>WiFi連線設定</translation>
    </message>
    <message>
        <source>WiFi配网已取消：什么也没有发送</source>
        <translation>WiFi連線設定已取消：什麼也沒有傳送</translation>
    </message>
    <message>
        <source>WiFi配网已取消：已切换为站点模式，网络名称和密码未发送</source>
        <translation>WiFi連線設定已取消：已切換為站點模式，網路名稱和密碼未傳送</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>變更記錄 %1 無法寫入，變更未被記錄</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>功能 %1</source>
        <translation>功能 %1</translation>
    </message>
    <message>
        <source>文件 %1（SHA-256 %2）</source>
        <translation>檔案 %1（SHA-256 %2）</translation>
    </message>
    <message>
        <source>控制台发送 %1 字节</source>
        <translation>主控台傳送 %1 位元組</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>變更記錄</translation>
    </message>
    <message>
        <source>变更记录中没有这台打印机的条目。</source>
        <translation>變更記錄中沒有這台印表機的項目。</translation>
    </message>
    <message>
        <source>%1 的变更，最新的在前：</source>
        <translation>%1 的變更，最新的在前：</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>操作者</source>
        <translation>操作者</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>方式</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation>開啟檔案失敗：%1</translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation>向印表機傳送資料失敗。</translation>
    </message>
</context>
<context>
    <name>prompts</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
