<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>BluetoothPage</name>
    <message>
        <source>SPP名称:</source>
        <translation>Nome SPP:</translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation>BLE:</translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation>Modo de conexão SPP:</translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation>Pareamento simples</translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation>Pareamento com PIN</translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation>PIN SPP:</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Obs.: reinicie a impressora após alterar esta configuração</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Operação concluída, reinicie a impressora</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>lpstat 未安装：未检查打印队列。</source>
        <translation>lpstat não está instalado: as filas de impressão não foram verificadas.</translation>
    </message>
    <message>
        <source>没有打印队列指向端口 %1 的 USB 打印机。</source>
        <translation>Nenhuma fila de impressão aponta para a impressora USB na porta %1.</translation>
    </message>
    <message>
        <source>打印队列 %1 指向端口 %2 的 USB 打印机。</source>
        <translation>A fila de impressão %1 aponta para a impressora USB na porta %2.</translation>
    </message>
    <message>
        <source>队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。</source>
        <translation>Esta ferramenta não consegue acessar a impressora enquanto a fila imprime: pause a fila durante a configuração (cupsdisable %1).</translation>
    </message>
    <message>
        <source>未安装打印机的 USB 访问规则。</source>
        <translation>A regra de acesso USB para as impressoras não está instalada.</translation>
    </message>
    <message>
        <source>没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Sem essa regra, somente root pode abrir a impressora: copie 60-labelsetup-printers.rules para /etc/udev/rules.d e depois desconecte e reconecte a impressora.</translation>
    </message>
    <message>
        <source>已安装 USB 访问规则：%1</source>
        <translation>Regra de acesso USB instalada: %1</translation>
    </message>
    <message>
        <source>无法使用 USB：%1</source>
        <translation>Não é possível usar USB: %1</translation>
    </message>
    <message>
        <source>检查本机是否允许访问 /dev/bus/usb。</source>
        <translation>Verifique se este computador permite acesso a /dev/bus/usb.</translation>
    </message>
    <message>
        <source>没有连接此类 USB 打印机。</source>
        <translation>Nenhuma impressora USB desse tipo está conectada.</translation>
    </message>
    <message>
        <source>用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。</source>
        <translation>Conecte a impressora com um cabo USB e ligue-a; um hub USB sem alimentação pode não reconhecer a impressora.</translation>
    </message>
    <message>
        <source>端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。</source>
        <translation>Há uma impressora USB na porta %1 (barramento %2, dispositivo %3).</translation>
    </message>
    <message>
        <source>安装访问规则：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Instale a regra de acesso: copie 60-labelsetup-printers.rules para /etc/udev/rules.d e depois desconecte e reconecte a impressora.</translation>
    </message>
    <message>
        <source>访问规则已安装但尚未生效：重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>A regra de acesso está instalada, mas ainda não entrou em vigor: desconecte e reconecte a impressora ou execute &quot;udevadm trigger&quot;.</translation>
    </message>
    <message>
        <source>当前用户无权打开端口 %1 的 USB 打印机。</source>
        <translation>O usuário atual não tem permissão para abrir a impressora USB na porta %1.</translation>
    </message>
    <message>
        <source>udevadm 未安装：未检查规则是否作用于打印机。</source>
        <translation>udevadm não está instalado: não foi verificado se a regra se aplica à impressora.</translation>
    </message>
    <message>
        <source>访问规则尚未作用于端口 %1 的 USB 打印机。</source>
        <translation>A regra de acesso ainda não se aplica à impressora USB na porta %1.</translation>
    </message>
    <message>
        <source>重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>Desconecte e reconecte a impressora ou execute &quot;udevadm trigger&quot;.</translation>
    </message>
    <message>
        <source>无法打开端口 %1 的 USB 打印机：%2</source>
        <translation>Não é possível abrir a impressora USB na porta %1: %2</translation>
    </message>
    <message>
        <source>重新插拔打印机后再试。</source>
        <translation>Desconecte e reconecte a impressora e tente novamente.</translation>
    </message>
    <message>
        <source>当前用户可以打开端口 %1 的 USB 打印机（%2）。</source>
        <translation>O usuário atual pode abrir a impressora USB na porta %1 (%2).</translation>
    </message>
    <message>
        <source>内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。</source>
        <translation>Um driver do kernel (geralmente usblp) está ocupando a interface da impressora USB na porta %1.</translation>
    </message>
    <message>
        <source>本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，或用 &quot;modprobe -r usblp&quot; 卸载驱动。</source>
        <translation>Esta ferramenta desconecta o driver temporariamente durante a comunicação; se outro programa imprimir por ele ao mesmo tempo, encerre esse programa primeiro ou descarregue o driver com &quot;modprobe -r usblp&quot;.</translation>
    </message>
    <message>
        <source>没有内核驱动占用端口 %1 的 USB 打印机。</source>
        <translation>Nenhum driver do kernel está ocupando a impressora USB na porta %1.</translation>
    </message>
    <message>
        <source>%1 不在本机任何网络接口的子网内。</source>
        <translation>%1 não está na sub-rede de nenhuma interface de rede deste computador.</translation>
    </message>
    <message>
        <source>打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP 地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。</source>
        <translation>A impressora deve estar na mesma rede que este computador ou ser alcançável por um roteador: confira o endereço IP e a máscara de sub-rede na página de autoteste da impressora ou altere-os via USB na página de configurações Ethernet/WiFi.</translation>
    </message>
    <message>
        <source>%1 位于本机接口 %2 的子网内。</source>
        <translation>%1 está na sub-rede da interface %2 deste computador.</translation>
    </message>
    <message>
        <source>ip 未安装：未检查路由。</source>
        <translation>ip não está instalado: a rota não foi verificada.</translation>
    </message>
    <message>
        <source>路由：%1</source>
        <translation>Rota: %1</translation>
    </message>
    <message>
        <source>没有通往 %1 的路由。</source>
        <translation>Não há rota para %1.</translation>
    </message>
    <message>
        <source>请为本机设置默认网关，或将本机接入打印机所在的网络。</source>
        <translation>Configure um gateway padrão neste computador ou conecte-o à rede da impressora.</translation>
    </message>
    <message>
        <source>%1 的端口 %2 接受连接。</source>
        <translation>%1 aceita conexões na porta %2.</translation>
    </message>
    <message>
        <source>%1 拒绝了端口 %2 上的连接。</source>
        <translation>%1 recusou a conexão na porta %2.</translation>
    </message>
    <message>
        <source>请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。</source>
        <translation>Confira a porta: a porta de comandos da impressora aparece na página de configurações Ethernet (9100, se não tiver sido alterada).</translation>
    </message>
    <message>
        <source>%1 在 %3 毫秒内未在端口 %2 上应答。</source>
        <translation>%1 não respondeu na porta %2 em %3 ms.</translation>
    </message>
    <message>
        <source>请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。</source>
        <translation>Verifique se a impressora está ligada e nesta rede e se nenhum firewall está descartando a conexão.</translation>
    </message>
    <message>
        <source>打印机应答了信息查询：%1</source>
        <translation>A impressora respondeu à consulta de informações: %1</translation>
    </message>
    <message>
        <source>端口接受了连接，但打印机未应答信息查询。</source>
        <translation>A porta aceitou a conexão, mas a impressora não respondeu à consulta de informações.</translation>
    </message>
    <message>
        <source>可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。</source>
        <translation>Outro programa pode estar usando a impressora ou a porta pertence a outro dispositivo: reinicie a impressora e tente novamente.</translation>
    </message>
    <message>
        <source>打印机应答了 UDP 端口 %1 上的搜索请求。</source>
        <translation>A impressora respondeu à solicitação de busca na porta UDP %1.</translation>
    </message>
    <message>
        <source>UDP 端口 %1 上的搜索请求没有应答。</source>
        <translation>Nenhuma resposta à solicitação de busca na porta UDP %1.</translation>
    </message>
    <message>
        <source>本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同：列表搜索找不到它，但按地址打开仍可使用。</source>
        <translation>O firewall deste computador pode estar descartando as respostas da impressora (libere a porta UDP %1), ou a impressora usa outra porta de busca: a busca da lista não a encontrará, mas abri-la pelo endereço ainda funciona.</translation>
    </message>
    <message>
        <source>无法解析地址 %1。</source>
        <translation>Não é possível resolver o endereço %1.</translation>
    </message>
    <message>
        <source>请输入打印机自检页上显示的 IP 地址。</source>
        <translation>Digite o endereço IP mostrado na página de autoteste da impressora.</translation>
    </message>
    <message>
        <source>未查询：端口不接受连接。</source>
        <translation>Não consultado: a porta não aceita conexões.</translation>
    </message>
    <message>
        <source>USB 打印机</source>
        <translation>Impressora USB</translation>
    </message>
    <message>
        <source>USB 访问权限</source>
        <translation>Acesso USB</translation>
    </message>
    <message>
        <source>udev 规则</source>
        <translation>Regra udev</translation>
    </message>
    <message>
        <source>udev 规则已生效</source>
        <translation>Regra udev aplicada</translation>
    </message>
    <message>
        <source>内核驱动</source>
        <translation>Driver do kernel</translation>
    </message>
    <message>
        <source>打印队列</source>
        <translation>Filas de impressão</translation>
    </message>
    <message>
        <source>打印机地址</source>
        <translation>Endereço da impressora</translation>
    </message>
    <message>
        <source>子网</source>
        <translation>Sub-rede</translation>
    </message>
    <message>
        <source>路由</source>
        <translation>Rota</translation>
    </message>
    <message>
        <source>TCP 端口</source>
        <translation>Porta TCP</translation>
    </message>
    <message>
        <source>打印机应答</source>
        <translation>Resposta da impressora</translation>
    </message>
    <message>
        <source>发现端口</source>
        <translation>Porta de descoberta</translation>
    </message>
    <message>
        <source>%1 无法到达：%2。</source>
        <translation>%1 não pode ser alcançado: %2.</translation>
    </message>
    <message>
        <source>本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。</source>
        <translation>Este computador não tem caminho para essa rede: verifique a conexão de rede, o endereço e o gateway.</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Não neste sistema</translation>
    </message>
    <message>
        <source>未检查搜索端口：按地址连接不用它。</source>
        <translation>Porta de busca não verificada: a conexão pelo endereço não a usa.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>连接方式</source>
        <translation>Tipo de conexão</translation>
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
        <translation>Bluetooth (&amp;C)</translation>
    </message>
    <message>
        <source>串口(&amp;P)</source>
        <translation>&amp;Porta serial</translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation>Conexão IP</translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation>Porta TCP:</translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation>Porta UDP:</translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation>Parâmetros seriais</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Paridade:</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Bits de dados:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>A&amp;tualizar lista</translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation>Pa&amp;rar busca</translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation>Verifique se o dispositivo de comunicação está ligado</translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation>Selecione primeiro uma impressora na lista</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation>Tempo de conexão esgotado, tente novamente!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Conectado com sucesso!</translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation>Fechado com sucesso!</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)</source>
        <translation>Diagnó&amp;stico de conexão</translation>
    </message>
    <message>
        <source>导出诊断报告(&amp;E)…</source>
        <translation>Exportar relatório &amp;de diagnóstico…</translation>
    </message>
    <message>
        <source>打印机群(&amp;F)…</source>
        <translation>Fr&amp;ota…</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Procurando impressoras</translation>
    </message>
    <message>
        <source>打开打印机</source>
        <translation>Abrindo a impressora</translation>
    </message>
    <message>
        <source>关闭打印机</source>
        <translation>Fechando a impressora</translation>
    </message>
</context>
<context>
    <name>ConsolePage</name>
    <message>
        <source>消息区</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>Área de envio</translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation>E&amp;nvio HEX</translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation>Recepção HE&amp;X</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Enviar &amp;arquivo</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>&amp;Limpar envio</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>L&amp;impar recepção</translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation>Progresso do envio</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Envio concluído</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Dispositivo não aberto!</translation>
    </message>
    <message>
        <source>此十六进制字符串格式无效。</source>
        <translation>Esta sequência hexadecimal é inválida.</translation>
    </message>
    <message>
        <source>发送失败！请重试</source>
        <translation>Falha no envio! Tente novamente</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>发送文件 %1，%2 字节</source>
        <translation>Enviando arquivo %1, %2 bytes</translation>
    </message>
    <message>
        <source>第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格</source>
        <translation>Espaçamento incorreto no caractere %1: exatamente um espaço entre os bytes, sem quebra de linha, nenhum no início ou no fim</translation>
    </message>
    <message>
        <source>第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F</source>
        <translation>O caractere %1 “%2” não é um dígito hexadecimal: esperado 0-9 ou A-F</translation>
    </message>
    <message>
        <source>发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40</source>
        <translation>A área de envio está vazia: esperados dígitos hexadecimais em pares separados por espaços, como 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40</source>
        <translation>Mais de dois dígitos a partir do caractere %1: coloque um espaço entre os bytes, como 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F</source>
        <translation>Número ímpar de dígitos hexadecimais a partir do caractere %1: cada byte tem dois dígitos, como 0F</translation>
    </message>
    <message>
        <source>已取消：已发送 %1/%2 块</source>
        <translation>Cancelado: %1/%2 blocos enviados</translation>
    </message>
    <message>
        <source>发送 %1/%2 块</source>
        <translation>Enviando %1/%2 blocos</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Enviando dados</translation>
    </message>
</context>
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation>Verifique se o descolador correspondente está instalado/conectado na impressora</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DiagnosticsActions</name>
    <message>
        <source>正在诊断…</source>
        <translation>Diagnosticando…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Aprovado</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>连接诊断结果</source>
        <translation>Resultados do diagnóstico de conexão</translation>
    </message>
    <message>
        <source>未输入地址：只检查 USB 打印机。</source>
        <translation>Nenhum endereço informado: apenas impressoras USB serão verificadas.</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>建议</source>
        <translation>Recomendação</translation>
    </message>
    <message>
        <source>导出诊断报告…</source>
        <translation>Exportar relatório de diagnóstico…</translation>
    </message>
    <message>
        <source>诊断报告 (*.json)</source>
        <translation>Relatórios de diagnóstico (*.json)</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Não neste sistema</translation>
    </message>
    <message>
        <source>只检查网络打印机 %1。</source>
        <translation>Apenas a impressora de rede %1 é verificada.</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>Diagnóstico de conexão</translation>
    </message>
</context>
<context>
    <name>DistancePage</name>
    <message>
        <source>距离设置</source>
        <translation>Distâncias</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation>Saída do papel até a cabeça (dot):</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation>Sensor de espaço até a cabeça (mm):</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation>Sensor de marca preta até a cabeça (mm):</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation>Cabeça até a posição de destaque (dot):</translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation>Obs.: 1mm = 8dot</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation>Obs.: 1mm = 12dot</translation>
    </message>
</context>
<context>
    <name>DistributeNet</name>
    <message>
        <source>WIFI配网</source>
        <translation>Configurar Wi-Fi</translation>
    </message>
    <message>
        <source>请选择WiFi网络</source>
        <translation>Selecione uma rede Wi-Fi</translation>
    </message>
    <message>
        <source>可用WiFi列表（点击选择）</source>
        <translation>Redes Wi-Fi disponíveis (clique para selecionar)</translation>
    </message>
    <message>
        <source>所选WiFi</source>
        <translation>Wi-Fi selecionado</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>请输入WiFi密码</source>
        <translation>Digite a senha do Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>选择手动输入</source>
        <translation>&amp;Digitar manualmente</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Atualizar lista</translation>
    </message>
    <message>
        <source>开始配网</source>
        <translation>&amp;Iniciar configuração</translation>
    </message>
    <message>
        <source>扫描中...</source>
        <translation>Procurando...</translation>
    </message>
    <message>
        <source>(当前连接)</source>
        <translation>(conectado)</translation>
    </message>
    <message>
        <source>请输入WiFi名称</source>
        <translation>Digite o nome do Wi-Fi</translation>
    </message>
    <message>
        <source>请刷新列表，或选择手动输入WiFi名称</source>
        <translation>Atualize a lista ou escolha digitar o nome do Wi-Fi manualmente</translation>
    </message>
    <message>
        <source>请选择一个WiFi</source>
        <translation>Selecione um Wi-Fi</translation>
    </message>
    <message>
        <source>找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。</source>
        <translation>O programa de busca de WiFi “%1” não foi encontrado: marque “Digitar manualmente” e digite o nome da rede.</translation>
    </message>
    <message>
        <source>没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。</source>
        <translation>Nenhuma rede encontrada: marque “Digitar manualmente” e digite o nome da rede, ou atualize a lista mais tarde.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>打印机：%1</source>
        <translation>Impressora: %1</translation>
    </message>
</context>
<context>
    <name>DownloadPanel</name>
    <message>
        <source>固件与字库下载</source>
        <translation>Envio de firmware e fontes</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>En&amp;viar firmware</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Enviar fonte (&amp;G)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Envio concluído</translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation>Aguarde até o indicador da impressora parar de piscar</translation>
    </message>
    <message>
        <source>HEX File</source>
        <translation>Arquivo HEX</translation>
    </message>
    <message>
        <source>HEX Files (*.hex);;All Files (*)</source>
        <translation>Arquivos HEX (*.hex);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>BIN File</source>
        <translation>Arquivo BIN</translation>
    </message>
    <message>
        <source>BIN Files (*.bin);;All Files (*)</source>
        <translation>Arquivos BIN (*.bin);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>下载固件 %1，%2 字节</source>
        <translation>Baixando firmware %1, %2 bytes</translation>
    </message>
    <message>
        <source>下载字库 %1，%2 字节</source>
        <translation>Baixando fonte %1, %2 bytes</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Falha na conexão: </translation>
    </message>
    <message>
        <source>连接失败: </source>
        <translation>Falha na conexão: </translation>
    </message>
    <message>
        <source>%1 下载失败：%2</source>
        <translation>%1: falha no download: %2</translation>
    </message>
    <message>
        <source>%1 下载完成</source>
        <translation>%1: download concluído</translation>
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
        <translation>Modo IP:</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Máscara de sub-rede:</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>Porta TCP:</translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation>Porta UDP:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Obs.: reinicie a impressora após alterar esta configuração</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>地址格式错误，请输入如192.168.1.100的四段地址</source>
        <translation>Formato de endereço inválido, digite um endereço de quatro partes como 192.168.1.100</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Operação concluída, reinicie a impressora</translation>
    </message>
</context>
<context>
    <name>FleetJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Não é possível gravar o histórico de alterações %1; as alterações não são registradas</translation>
    </message>
</context>
<context>
    <name>FleetModel</name>
    <message>
        <source>无法连接</source>
        <translation>Inacessível</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>厂商</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>最后应答</source>
        <translation>Última resposta</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Desvio</translation>
    </message>
</context>
<context>
    <name>FleetRun</name>
    <message>
        <source>%1/%2 台打印机</source>
        <translation>%1/%2 impressoras</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>打印机群</source>
        <translation>Frota de impressoras</translation>
    </message>
    <message>
        <source>地址[:端口]，或 usb:端口</source>
        <translation>endereço[:porta] ou usb:porta</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>扫描网段(&amp;R)…</source>
        <translation>&amp;Varrer faixa…</translation>
    </message>
    <message>
        <source>导入目标文件(&amp;I)…</source>
        <translation>&amp;Importar alvos…</translation>
    </message>
    <message>
        <source>搜索(&amp;C)</source>
        <translation>P&amp;rocurar</translation>
    </message>
    <message>
        <source>应用配置(&amp;P)…</source>
        <translation>Aplicar &amp;perfil…</translation>
    </message>
    <message>
        <source>下载固件(&amp;F)…</source>
        <translation>&amp;Firmware…</translation>
    </message>
    <message>
        <source>下载字库(&amp;O)…</source>
        <translation>F&amp;onte…</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Pá&amp;gina de teste</translation>
    </message>
    <message>
        <source>导出清单(&amp;E)…</source>
        <translation>&amp;Exportar inventário…</translation>
    </message>
    <message>
        <source>移除(&amp;M)</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>轮询间隔</source>
        <translation>Consultar a cada</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>并行</source>
        <translation>Em paralelo</translation>
    </message>
    <message>
        <source>期望固件版本</source>
        <translation>Firmware esperado</translation>
    </message>
    <message>
        <source>不检查</source>
        <translation>não verificado</translation>
    </message>
    <message>
        <source>扫描网段</source>
        <translation>Varrer faixa</translation>
    </message>
    <message>
        <source>正在扫描 %1 个地址…</source>
        <translation>Varrendo %1 endereços…</translation>
    </message>
    <message>
        <source>找到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 impressoras encontradas, %2 novas.</translation>
    </message>
    <message>
        <source>导入目标文件</source>
        <translation>Importar alvos</translation>
    </message>
    <message>
        <source>目标文件 (*.txt *.list);;所有文件 (*)</source>
        <translation>Arquivos de alvos (*.txt *.list);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>第 %1 行不是地址：%2</source>
        <translation>A linha %1 não é um endereço: %2</translation>
    </message>
    <message>
        <source>%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5</source>
        <translation>%1 impressoras: %2 prontas, %3 ocupadas, %4 precisam de atenção, %5 inacessíveis</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Aplicar perfil</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Perfis (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>无法使用 %1：%2</source>
        <translation>Não é possível usar %1: %2</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <source>校验不符 %1 项</source>
        <translation>%1 lidos de volta diferentes</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>%1 diferentes</translation>
    </message>
    <message>
        <source>已写入 %1 项</source>
        <translation>%1 gravados</translation>
    </message>
    <message>
        <source>没有需要写入的设置。</source>
        <translation>Nenhuma configuração precisa ser gravada.</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Baixar firmware</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Baixar fonte</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>等待中</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>无法解密文件</source>
        <translation>Não é possível decifrar o arquivo</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>成功：%1 → %2</source>
        <translation>Concluído: %1 → %2</translation>
    </message>
    <message>
        <source>版本不符：%1</source>
        <translation>Versão errada: %1</translation>
    </message>
    <message>
        <source>版本未变：%1</source>
        <translation>Versão inalterada: %1</translation>
    </message>
    <message>
        <source>失败：无法连接</source>
        <translation>Falhou: inacessível</translation>
    </message>
    <message>
        <source>失败：传输中断</source>
        <translation>Falhou: transferência interrompida</translation>
    </message>
    <message>
        <source>已发送自检</source>
        <translation>Teste enviado</translation>
    </message>
    <message>
        <source>导出清单</source>
        <translation>Exportar inventário</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;JSON 文件 (*.json)</source>
        <translation>Arquivos CSV (*.csv);;Arquivos JSON (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Não é possível gravar %1</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>第 %1 行不完整（文件在此中断）：%2</source>
        <translation>a linha %1 está incompleta (o arquivo termina ali): %2</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取，%2。
文件保持原样；列表改动后先询问是否覆盖它。</source>
        <translation>A lista de impressoras %1 não pode ser lida por inteiro: %2.
O arquivo fica como está; quando a lista mudar, você será consultado antes de sobrescrevê-lo.</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？原文件另存为 %4。</source>
        <translation>A lista de impressoras %1 não pode ser lida por inteiro (%2). Sobrescrevê-la com as %3 impressoras listadas agora? O arquivo antigo é mantido como %4.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>无法另存 %1，清单未写入。</source>
        <translation>Não é possível salvar %1; a lista não foi gravada.</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>把字库 %1 下载到 %2 台打印机？</source>
        <translation>Baixar a fonte %1 para %2 impressoras?</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。</source>
        <translation>Baixar o firmware %1 para %2 impressoras? Elas serão reiniciadas; nenhuma versão esperada foi informada, a versão não é verificada.</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。</source>
        <translation>Baixar o firmware %1 para %2 impressoras? Elas serão reiniciadas e devem então informar a versão %3.</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>写入并校验？</source>
        <translation>Gravar e verificar?</translation>
    </message>
    <message>
        <source>网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 65536 个地址（/16）。</source>
        <translation>Faixa (como 192.168.1.0/24 ou 192.168.1.10-60), opcionalmente com :porta. No máximo 65536 endereços (/16) por vez.</translation>
    </message>
    <message>
        <source>（未知）</source>
        <translation>(desconhecido)</translation>
    </message>
    <message>
        <source>%1 台打印机共 %2 项设置与配置不同：</source>
        <translation>%2 configurações em %1 impressoras diferem do perfil:</translation>
    </message>
    <message>
        <source>不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，一次最多 65536 个地址。</source>
        <translation>Não é uma faixa que possa ser varrida: %1. Esperado a.b.c.d/n (n no mínimo 16) ou a.b.c.d-e, no máximo 65536 endereços por vez.</translation>
    </message>
    <message>
        <source>搜索到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 impressoras encontradas, %2 novas.</translation>
    </message>
    <message>
        <source>不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。</source>
        <translation>Não é um endereço: %1. Esperado endereço[:porta] (porta 1 a 65535) ou usb:porta (1 a 255).</translation>
    </message>
    <message>
        <source>正在搜索…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>正在搜索打印机…</source>
        <translation>Buscando impressoras…</translation>
    </message>
    <message>
        <source>%1 是网段，不是一个地址：网段请用“扫描网段…”。</source>
        <translation>%1 é uma faixa, não um endereço: varra faixas com “Varrer faixa…”.</translation>
    </message>
    <message>
        <source>%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。</source>
        <translation>%1 não é um endereço IPv4: esperados quatro números de 0 a 255, como 192.168.1.20.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，进行中的在下一帧处停止，其余的不再开始。</source>
        <translation>Uma operação ainda está em andamento. Cancelá-la e fechar a janela? As impressoras concluídas ficam como estão, as em andamento param no próximo quadro, as demais não são iniciadas.</translation>
    </message>
    <message>
        <source>取消并关闭</source>
        <translation>Cancelar e fechar</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>已取消：未开始</source>
        <translation>Cancelado: não iniciado</translation>
    </message>
    <message>
        <source>已取消：中途停止</source>
        <translation>Cancelado: parou no meio</translation>
    </message>
    <message>
        <source>扫描已取消。</source>
        <translation>Varredura cancelada.</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Procurando impressoras</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>Descriptografando</translation>
    </message>
    <message>
        <source>未开始：先试的打印机失败</source>
        <translation>Não iniciado: uma impressora testada primeiro falhou</translation>
    </message>
    <message>
        <source>先试 N 台</source>
        <translation>Testar N primeiro</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>继续未完成的</source>
        <translation>Retomar as não concluídas</translation>
    </message>
    <message>
        <source>%1：不同</source>
        <translation>%1: difere</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Não foi possível ler</translation>
    </message>
    <message>
        <source>检查偏差(&amp;D)…</source>
        <translation>Verificar &amp;desvio…</translation>
    </message>
    <message>
        <source>检查偏差</source>
        <translation>Verificar desvio</translation>
    </message>
</context>
<context>
    <name>FunctionPage</name>
    <message>
        <source>基本功能</source>
        <translation>Funções básicas</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Imprimir pági&amp;na de autoteste</translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation>Reiniciar impressora (&amp;3)</translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation>&amp;Inicializar impressora</translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation>Calibração de sensores</translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation>Calibração de espaço (&amp;V)</translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation>Calibração de marca preta (&amp;4)</translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation>C&amp;alibração DAC</translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation>Calibração de falta de papel (&amp;X)</translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation>Ca&amp;libração do sensor de saída</translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation>Modo guilhotina</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>Cort&amp;e total</translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation>&amp;Guilhotina desligada</translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation>&amp;Modo descolar</translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation>Modo desta&amp;que</translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation>Teclas e buzzer</translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation>Teclas ligadas (&amp;K)</translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation>Teclas desligadas (&amp;J)</translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation>Buzzer ligado (&amp;2)</translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation>Buzzer desligado (&amp;1)</translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation>Informações da impressora</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Versão do firmware:</translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation>Resolução (DPI):</translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation>Largura máx. (mm):</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>获取打印机信息(&amp;X)</source>
        <translation>Obter informações (&amp;Y)</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>Status da impressora</translation>
    </message>
    <message>
        <source>获取打印机状态(&amp;Z)</source>
        <translation>Obter status (&amp;Z)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Dispositivo não aberto!</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Verifique se a impressora está conectada</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Pronta</translation>
    </message>
    <message>
        <source>打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，之后连接会关闭。
确定要初始化打印机吗？</source>
        <translation>A impressora voltará às configurações de fábrica: as configurações salvas de impressão, distâncias, rede, Bluetooth e serial serão apagadas, e a conexão será fechada em seguida.
Inicializar a impressora?</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Inicializar</translation>
    </message>
    <message>
        <source>读取打印机信息</source>
        <translation>Lendo informações da impressora</translation>
    </message>
    <message>
        <source>读取打印机状态</source>
        <translation>Lendo status da impressora</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>操作进度</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>在下一帧之前停止正在进行的操作</source>
        <translation>Parar a operação em andamento antes do próximo quadro</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Cancelando…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation>Ferramenta de configuração de impressora de etiquetas </translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Configurações da impressora</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Configurações de impressão</translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation>Distâncias</translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation>Configurações de Wi-Fi</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Configurações de Bluetooth</translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation>Configurações de Ethernet</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Configurações da porta serial</translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation>Configurações do descolador</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Funções</translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation>Manutenção e atualização</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation>Operação concluída</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Verifique se a impressora está conectada</translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation>Erro de comunicação USB, tente novamente</translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation>Erro de comunicação de rede, tente novamente</translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation>Erro de comunicação Bluetooth, tente novamente</translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation>Erro de comunicação serial, tente novamente</translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation>Abra o dispositivo primeiro</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Imprimindo</translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation>Sem papel</translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation>Papel acabando</translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation>Atolamento de papel</translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation>Ribbon acabando</translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation>Sem ribbon</translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation>Cabeça de impressão superaquecida</translation>
    </message>
    <message>
        <source>开盖</source>
        <translation>Tampa aberta</translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation>Erro de posicionamento (marca preta ou espaço)</translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation>Erro na guilhotina</translation>
    </message>
    <message>
        <source>升级中</source>
        <translation>Atualizando</translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation>Erro de atualização</translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation>Erro de comando</translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation>Impressão pausada</translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation>Impressão excluída</translation>
    </message>
    <message>
        <source>演示模式：模拟打印机 %1:%2</source>
        <translation>Modo demonstração: impressora simulada %1:%2</translation>
    </message>
    <message>
        <source>%1：输入无效，允许范围为 %2 至 %3</source>
        <translation>%1: entrada inválida, o intervalo permitido é de %2 a %3</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>读取失败，请重试</source>
        <translation>Falha na leitura, tente novamente</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>未打开打印机</source>
        <translation>Nenhuma impressora aberta</translation>
    </message>
    <message>
        <source>连接已关闭：请重新打开打印机，再读取和设置。</source>
        <translation>Conexão fechada: abra a impressora novamente antes de ler ou configurar.</translation>
    </message>
    <message>
        <source>已连接：%1 · %2</source>
        <translation>Conectado: %1 · %2</translation>
    </message>
    <message>
        <source>，TCP端口 %1</source>
        <translation>, porta TCP %1</translation>
    </message>
    <message>
        <source>读取和设置标签打印机、下载固件与字库、WiFi配网。</source>
        <translation>Lê e configura impressoras de etiquetas, baixa firmware e fontes e configura o WiFi.</translation>
    </message>
    <message>
        <source>许可证：MIT（随附 LICENSE 文件）</source>
        <translation>Licença: MIT (veja o arquivo LICENSE)</translation>
    </message>
    <message>
        <source>保存配置(&amp;A)…</source>
        <translation>Sal&amp;var perfil…</translation>
    </message>
    <message>
        <source>应用配置(&amp;Y)…</source>
        <translation>Apl&amp;icar perfil…</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Pronta</translation>
    </message>
    <message>
        <source>应用配置后尚未读取</source>
        <translation>Não lido desde a aplicação do perfil</translation>
    </message>
    <message>
        <source>配网后尚未读取</source>
        <translation>Não lido desde a configuração do Wi-Fi</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>não conectado</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Histórico de alterações</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>此型号的打印机不接受字库下载</source>
        <translation>este modelo de impressora não aceita download de fonte</translation>
    </message>
    <message>
        <source>文件为空，没有可下载的内容：%1</source>
        <translation>o arquivo está vazio, nada para baixar: %1</translation>
    </message>
    <message>
        <source>无法读取所选文件：%1</source>
        <translation>Não é possível ler o arquivo escolhido: %1</translation>
    </message>
    <message>
        <source>无法在文件所在的文件夹中创建解密文件：%1</source>
        <translation>Não é possível criar o arquivo descriptografado na pasta do arquivo: %1</translation>
    </message>
    <message>
        <source>解密失败，文件未发送。</source>
        <translation>Falha na descriptografia; o arquivo não foi enviado.</translation>
    </message>
    <message>
        <source>无法连接到 %1</source>
        <translation>não é possível conectar a %1</translation>
    </message>
    <message>
        <source>打印机正忙：另一项操作或文件传送正在进行</source>
        <translation>a impressora está ocupada: outra operação ou transferência de arquivo está em andamento</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>应答无效</source>
        <translation>resposta inválida</translation>
    </message>
    <message>
        <source>打印机正忙</source>
        <translation>a impressora está ocupada</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>não conectado</translation>
    </message>
    <message>
        <source>USB 传输失败</source>
        <translation>falha na transferência USB</translation>
    </message>
    <message>
        <source>无法打开 USB 设备</source>
        <translation>não é possível abrir o dispositivo USB</translation>
    </message>
    <message>
        <source>网络无应答或连接中断</source>
        <translation>sem resposta a tempo, ou a conexão caiu</translation>
    </message>
    <message>
        <source>通信失败（%1）</source>
        <translation>falha na comunicação (%1)</translation>
    </message>
    <message>
        <source>打印机没有应答%1查询（%2）</source>
        <translation>a impressora não respondeu à consulta %1 (%2)</translation>
    </message>
    <message>
        <source>打印机没有接受%1（%2）</source>
        <translation>a impressora não aceitou %1 (%2)</translation>
    </message>
    <message>
        <source>打印机没有确认收到%1（%2）</source>
        <translation>a impressora não confirmou %1 (%2)</translation>
    </message>
    <message>
        <source>已发送，未确认</source>
        <translation>enviado, não confirmado</translation>
    </message>
    <message>
        <source>打印机在限定时间内没有重新应答（%1）</source>
        <translation>a impressora não voltou a responder a tempo (%1)</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>a impressora</translation>
    </message>
    <message>
        <source>配置被拒绝，未发送任何设置：%1</source>
        <translation>recusado, nada enviado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项设置读回的值不同</source>
        <translation>
            <numerusform>%n configuração lida com outro valor</numerusform>
            <numerusform>%n configurações lidas com outro valor</numerusform>
        </translation>
    </message>
    <message>
        <source>已中断，未开始：%1</source>
        <translation>interrompido, não iniciado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项待更改</source>
        <translation>
            <numerusform>%n a alterar</numerusform>
            <numerusform>%n a alterar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已写入 %n 项</source>
        <translation>
            <numerusform>%n gravada</numerusform>
            <numerusform>%n gravadas</numerusform>
        </translation>
    </message>
    <message>
        <source>；重启打印机后网络设置生效</source>
        <translation>; reinicie a impressora para aplicar a mudança de rede</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>os bytes</translation>
    </message>
    <message>
        <source>打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效</source>
        <translation>estação %1 definida; reinicie a impressora para aplicar a mudança de WiFi</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Não é possível gravar o arquivo: %1</translation>
    </message>
    <message>
        <source>诊断报告已保存到 %1</source>
        <translation>Relatório de diagnóstico salvo em %1</translation>
    </message>
    <message>
        <source>%1 未在限定时间内完成</source>
        <translation>%1 não terminou dentro do limite de tempo</translation>
    </message>
    <message>
        <source>超过限定时间</source>
        <translation>limite de tempo excedido</translation>
    </message>
    <message>
        <source>已取消：%1 尚未开始，什么也没有发送</source>
        <translation>Cancelado: %1 não havia começado, nada foi enviado</translation>
    </message>
    <message>
        <source>已取消：文件尚未开始发送</source>
        <translation>Cancelado: o envio do arquivo não havia começado</translation>
    </message>
    <message>
        <source>已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分</source>
        <translation>Cancelado: %1, %3 de %2 bytes; a impressora recebeu apenas parte do arquivo</translation>
    </message>
    <message>
        <source>已发送 %1/%2 块</source>
        <translation>%1/%2 blocos enviados</translation>
    </message>
    <message>
        <source>已取消：%1 在下一帧之前停下</source>
        <translation>Cancelado: %1 parou antes do próximo quadro</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>PageBinding</name>
    <message>
        <source>读取设置</source>
        <translation>Lendo configurações</translation>
    </message>
    <message>
        <source>读取 %1/%2</source>
        <translation>Lendo %1/%2</translation>
    </message>
    <message>
        <source>读取已取消：已读取 %1/%2 项，页面未读取</source>
        <translation>Leitura cancelada: %1/%2 itens lidos, a página não foi lida</translation>
    </message>
    <message>
        <source>写入设置</source>
        <translation>Gravando configurações</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>Gravando %1/%2</translation>
    </message>
    <message>
        <source>写入已取消：已发送 %1 帧，其余未发送</source>
        <translation>Gravação cancelada: %1 quadros enviados, o restante não</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>打印速度：</source>
        <translation>Velocidade de impressão:</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>Densidade de impressão:</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation>Espaço entre etiquetas (mm):</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation>Espaço da marca preta (mm):</translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation>Direção de impressão:</translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation>Rotação 0°</translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation>Rotação 180°</translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation>Tipo de impressão:</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Espelhada</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation>Deslocamento de impressão (mm):</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation>Deslocamento vertical (mm):</translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation>Modo de impressão:</translation>
    </message>
    <message>
        <source>热敏</source>
        <translation>Térmica direta</translation>
    </message>
    <message>
        <source>热转印</source>
        <translation>Transferência térmica</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation>Carregamento automático:</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation>Tipo de papel:</translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation>Marca preta</translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation>Conjunto de comandos:</translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation>Página de código padrão:</translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation>Idioma do menu:</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>韩文</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>日文</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>泰文</source>
        <translation>Tailandês</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation>A largura deve ser de 20-108mm, digite novamente</translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation>A altura deve ser de 10-1778mm, digite novamente</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>保存配置</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Arquivos de perfil (*.json)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Não é possível gravar o arquivo: %1</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>Perfil salvo em %1</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Aplicar perfil</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>Não é possível ler o arquivo de perfil: %1</translation>
    </message>
    <message>
        <source>配置文件无效：%1</source>
        <translation>Arquivo de perfil inválido: %1</translation>
    </message>
    <message>
        <source>以下设置在此型号上不存在，已跳过：%1</source>
        <translation>Estas configurações não existem neste modelo e foram ignoradas: %1</translation>
    </message>
    <message>
        <source>打印机的设置与配置文件相同，无需写入。</source>
        <translation>As configurações da impressora são iguais às do perfil; não há nada para gravar.</translation>
    </message>
    <message>
        <source>将写入以下 %1 项设置：</source>
        <translation>As %1 configurações a seguir serão gravadas:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>打印机中的值</source>
        <translation>Valor na impressora</translation>
    </message>
    <message>
        <source>配置文件中的值</source>
        <translation>Valor no perfil</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>写入后读回的值与配置文件不同：%1</source>
        <translation>Os valores lidos após a gravação diferem do perfil: %1</translation>
    </message>
    <message>
        <source>配置已应用。WiFi 或网口的更改在打印机重启后生效。</source>
        <translation>Perfil aplicado. As alterações de WiFi ou Ethernet entram em vigor após reiniciar a impressora.</translation>
    </message>
    <message>
        <source>配置已应用。</source>
        <translation>Perfil aplicado.</translation>
    </message>
    <message>
        <source>保存配置已取消：没有保存任何文件</source>
        <translation>Salvamento do perfil cancelado: nenhum arquivo foi salvo</translation>
    </message>
    <message>
        <source>读取打印机设置</source>
        <translation>Lendo configurações da impressora</translation>
    </message>
    <message>
        <source>应用配置已取消：什么也没有写入</source>
        <translation>Aplicação do perfil cancelada: nada foi gravado</translation>
    </message>
    <message>
        <source>应用配置已取消：已写入 %1 项设置，其余未写入</source>
        <translation>Aplicação do perfil cancelada: %1 configurações gravadas, o restante não</translation>
    </message>
</context>
<context>
    <name>ReadStateNote</name>
    <message>
        <source>尚未读取</source>
        <translation>Ainda não lido</translation>
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
        <translation>Paridade:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Bits de dados:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation>SN do dispositivo:</translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation>Info. do dispositivo:</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Obs.: reinicie a impressora após alterar esta configuração</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>AP_IP</source>
        <translation>IP do AP</translation>
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
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>IP模式</source>
        <translation>Modo IP</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>SPP_PIN码</source>
        <translation>PIN SPP</translation>
    </message>
    <message>
        <source>SPP名称</source>
        <translation>Nome SPP</translation>
    </message>
    <message>
        <source>SPP连接模式</source>
        <translation>Modo de conexão SPP</translation>
    </message>
    <message>
        <source>TCP端口号</source>
        <translation>Porta TCP</translation>
    </message>
    <message>
        <source>UDP端口号</source>
        <translation>Porta UDP</translation>
    </message>
    <message>
        <source>wifi名称</source>
        <translation>Nome do Wi-Fi</translation>
    </message>
    <message>
        <source>wifi密码</source>
        <translation>Senha do Wi-Fi</translation>
    </message>
    <message>
        <source>wifi模式</source>
        <translation>Modo Wi-Fi</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)</source>
        <translation>Saída do papel até a cabeça (dot)</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）</source>
        <translation>Tempo de retirada do descolador (s)</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)</source>
        <translation>Deslocamento vertical (mm)</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Máscara de sub-rede</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)</source>
        <translation>Deslocamento de impressão (mm)</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)</source>
        <translation>Cabeça até a posição de destaque (dot)</translation>
    </message>
    <message>
        <source>打印方向</source>
        <translation>Direção de impressão</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Tipo de impressão</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>Modo de impressão</translation>
    </message>
    <message>
        <source>打印浓度</source>
        <translation>Densidade de impressão</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>Velocidade de impressão</translation>
    </message>
    <message>
        <source>指令集</source>
        <translation>Conjunto de comandos</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Bits de dados</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)</source>
        <translation>Espaço entre etiquetas (mm)</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>纸张类型</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)</source>
        <translation>Sensor de espaço até a cabeça (mm)</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>自动吸纸</source>
        <translation>Carregamento automático</translation>
    </message>
    <message>
        <source>设备SN号</source>
        <translation>SN do dispositivo</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Info. do dispositivo</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Idioma do menu</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)</source>
        <translation>Sensor de marca preta até a cabeça (mm)</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)</source>
        <translation>Espaço da marca preta (mm)</translation>
    </message>
    <message>
        <source>默认代码页</source>
        <translation>Página de código padrão</translation>
    </message>
</context>
<context>
    <name>StripperPage</name>
    <message>
        <source>剥离器设置</source>
        <translation>Configurações do descolador</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation>Tempo de retirada do descolador (s):</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>WifiPage</name>
    <message>
        <source>wifi模式：</source>
        <translation>Modo Wi-Fi:</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>Porta TCP:</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>Modo STA</translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation>Nome do Wi-Fi:</translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation>Senha do Wi-Fi:</translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation>Obs.: no modo AP, a senha do Wi-Fi deve ter no mínimo 8 caracteres</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Obs.: reinicie a impressora após alterar esta configuração</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>Modo AP</translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation>IP do AP:</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>Configurações de IP</translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation>Modo IP:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Máscara de sub-rede:</translation>
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
        <translation>Co&amp;nfigurar Wi-Fi</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Ferramenta de configuração</translation>
    </message>
    <message>
        <source>AP模式的wifi密码最少为8位</source>
        <translation>No modo AP, a senha do Wi-Fi deve ter no mínimo 8 caracteres</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Operação concluída, reinicie a impressora</translation>
    </message>
</context>
<context>
    <name>WifiProvisioning</name>
    <message>
        <source>错误</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>WiFi配网</source>
        <translation>Configuração de WiFi</translation>
    </message>
    <message>
        <source>WiFi配网已取消：什么也没有发送</source>
        <translation>Configuração de WiFi cancelada: nada foi enviado</translation>
    </message>
    <message>
        <source>WiFi配网已取消：已切换为站点模式，网络名称和密码未发送</source>
        <translation>Configuração de WiFi cancelada: modo estação definido, nome da rede e senha não enviados</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Não é possível gravar o histórico de alterações %1; as alterações não são registradas</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>功能 %1</source>
        <translation>Função %1</translation>
    </message>
    <message>
        <source>文件 %1（SHA-256 %2）</source>
        <translation>Arquivo %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>控制台发送 %1 字节</source>
        <translation>Console: %1 bytes enviados</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Histórico de alterações</translation>
    </message>
    <message>
        <source>变更记录中没有这台打印机的条目。</source>
        <translation>O histórico de alterações não tem entradas para esta impressora.</translation>
    </message>
    <message>
        <source>%1 的变更，最新的在前：</source>
        <translation>Alterações em %1, mais recentes primeiro:</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>操作者</source>
        <translation>Quem</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Alterações</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation>Falha ao abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation>Falha ao enviar dados para a impressora.</translation>
    </message>
</context>
<context>
    <name>prompts</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
