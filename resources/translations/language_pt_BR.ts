<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有线网络</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无线网络</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印速度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>热敏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>热转印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自适应</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>韩文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>泰文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wifi模式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIFI配网</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPP名称:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本功能</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>获取打印机信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>获取打印机状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固件与字库下载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>消息区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开盖</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>升级中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内存分配失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
