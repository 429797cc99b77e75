<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>BluetoothPage</name>
    <message>
        <source>SPP名称:</source>
        <translation>Nom SPP :</translation>
    </message>
    <message>
        <source>BLE:</source>
        <translation>BLE :</translation>
    </message>
    <message>
        <source>SPP连接模式：</source>
        <translation>Mode de connexion SPP :</translation>
    </message>
    <message>
        <source>简易配对</source>
        <translation>Appairage simple</translation>
    </message>
    <message>
        <source>配对码配对</source>
        <translation>Appairage par code PIN</translation>
    </message>
    <message>
        <source>SPP_PIN码：</source>
        <translation>PIN SPP :</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC :</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Remarque : redémarrez l&apos;imprimante après avoir modifié ce réglage</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Opération réussie, veuillez redémarrer l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>lpstat 未安装：未检查打印队列。</source>
        <translation>lpstat n&apos;est pas installé : les files d&apos;impression n&apos;ont pas été vérifiées.</translation>
    </message>
    <message>
        <source>没有打印队列指向端口 %1 的 USB 打印机。</source>
        <translation>Aucune file d&apos;impression ne pointe vers l&apos;imprimante USB du port %1.</translation>
    </message>
    <message>
        <source>打印队列 %1 指向端口 %2 的 USB 打印机。</source>
        <translation>La file d&apos;impression %1 pointe vers l&apos;imprimante USB du port %2.</translation>
    </message>
    <message>
        <source>队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。</source>
        <translation>Cet outil ne peut pas accéder à l&apos;imprimante pendant que la file imprime : suspendez la file pendant la configuration (cupsdisable %1).</translation>
    </message>
    <message>
        <source>未安装打印机的 USB 访问规则。</source>
        <translation>La règle d&apos;accès USB pour les imprimantes n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Sans cette règle, seul root peut ouvrir l&apos;imprimante : copiez 60-labelsetup-printers.rules dans /etc/udev/rules.d, puis débranchez et rebranchez l&apos;imprimante.</translation>
    </message>
    <message>
        <source>已安装 USB 访问规则：%1</source>
        <translation>Règle d&apos;accès USB installée : %1</translation>
    </message>
    <message>
        <source>无法使用 USB：%1</source>
        <translation>Impossible d&apos;utiliser l&apos;USB : %1</translation>
    </message>
    <message>
        <source>检查本机是否允许访问 /dev/bus/usb。</source>
        <translation>Vérifiez que cet ordinateur autorise l&apos;accès à /dev/bus/usb.</translation>
    </message>
    <message>
        <source>没有连接此类 USB 打印机。</source>
        <translation>Aucune imprimante USB de ce type n&apos;est connectée.</translation>
    </message>
    <message>
        <source>用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。</source>
        <translation>Branchez l&apos;imprimante avec un câble USB et allumez-la ; un hub USB non alimenté peut ne pas détecter l&apos;imprimante.</translation>
    </message>
    <message>
        <source>端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。</source>
        <translation>Une imprimante USB est présente sur le port %1 (bus %2, périphérique %3).</translation>
    </message>
    <message>
        <source>安装访问规则：将 60-labelsetup-printers.rules 复制到 /etc/udev/rules.d，然后重新插拔打印机。</source>
        <translation>Installez la règle d&apos;accès : copiez 60-labelsetup-printers.rules dans /etc/udev/rules.d, puis débranchez et rebranchez l&apos;imprimante.</translation>
    </message>
    <message>
        <source>访问规则已安装但尚未生效：重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>La règle d&apos;accès est installée mais pas encore active : débranchez et rebranchez l&apos;imprimante, ou exécutez &quot;udevadm trigger&quot;.</translation>
    </message>
    <message>
        <source>当前用户无权打开端口 %1 的 USB 打印机。</source>
        <translation>L&apos;utilisateur actuel n&apos;a pas le droit d&apos;ouvrir l&apos;imprimante USB du port %1.</translation>
    </message>
    <message>
        <source>udevadm 未安装：未检查规则是否作用于打印机。</source>
        <translation>udevadm n&apos;est pas installé : l&apos;application de la règle à l&apos;imprimante n&apos;a pas été vérifiée.</translation>
    </message>
    <message>
        <source>访问规则尚未作用于端口 %1 的 USB 打印机。</source>
        <translation>La règle d&apos;accès ne s&apos;applique pas encore à l&apos;imprimante USB du port %1.</translation>
    </message>
    <message>
        <source>重新插拔打印机，或运行 &quot;udevadm trigger&quot;。</source>
        <translation>Débranchez et rebranchez l&apos;imprimante, ou exécutez &quot;udevadm trigger&quot;.</translation>
    </message>
    <message>
        <source>无法打开端口 %1 的 USB 打印机：%2</source>
        <translation>Impossible d&apos;ouvrir l&apos;imprimante USB du port %1 : %2</translation>
    </message>
    <message>
        <source>重新插拔打印机后再试。</source>
        <translation>Débranchez et rebranchez l&apos;imprimante, puis réessayez.</translation>
    </message>
    <message>
        <source>当前用户可以打开端口 %1 的 USB 打印机（%2）。</source>
        <translation>L&apos;utilisateur actuel peut ouvrir l&apos;imprimante USB du port %1 (%2).</translation>
    </message>
    <message>
        <source>内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。</source>
        <translation>Un pilote du noyau (généralement usblp) occupe l&apos;interface de l&apos;imprimante USB du port %1.</translation>
    </message>
    <message>
        <source>本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，或用 &quot;modprobe -r usblp&quot; 卸载驱动。</source>
        <translation>Cet outil détache temporairement le pilote pendant la communication ; si un autre programme imprime en même temps par ce pilote, arrêtez d&apos;abord ce programme ou déchargez le pilote avec &quot;modprobe -r usblp&quot;.</translation>
    </message>
    <message>
        <source>没有内核驱动占用端口 %1 的 USB 打印机。</source>
        <translation>Aucun pilote du noyau n&apos;occupe l&apos;imprimante USB du port %1.</translation>
    </message>
    <message>
        <source>%1 不在本机任何网络接口的子网内。</source>
        <translation>%1 n&apos;est dans le sous-réseau d&apos;aucune interface réseau de cet ordinateur.</translation>
    </message>
    <message>
        <source>打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP 地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。</source>
        <translation>L&apos;imprimante doit être sur le même réseau que cet ordinateur ou joignable via un routeur : vérifiez son adresse IP et son masque de sous-réseau sur la page d&apos;autotest de l&apos;imprimante, ou modifiez-les par USB dans la page de paramètres Ethernet/WiFi.</translation>
    </message>
    <message>
        <source>%1 位于本机接口 %2 的子网内。</source>
        <translation>%1 se trouve dans le sous-réseau de l&apos;interface %2 de cet ordinateur.</translation>
    </message>
    <message>
        <source>ip 未安装：未检查路由。</source>
        <translation>ip n&apos;est pas installé : la route n&apos;a pas été vérifiée.</translation>
    </message>
    <message>
        <source>路由：%1</source>
        <translation>Route : %1</translation>
    </message>
    <message>
        <source>没有通往 %1 的路由。</source>
        <translation>Aucune route vers %1.</translation>
    </message>
    <message>
        <source>请为本机设置默认网关，或将本机接入打印机所在的网络。</source>
        <translation>Définissez une passerelle par défaut sur cet ordinateur ou connectez-le au réseau de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>%1 的端口 %2 接受连接。</source>
        <translation>%1 accepte les connexions sur le port %2.</translation>
    </message>
    <message>
        <source>%1 拒绝了端口 %2 上的连接。</source>
        <translation>%1 a refusé la connexion sur le port %2.</translation>
    </message>
    <message>
        <source>请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。</source>
        <translation>Vérifiez le port : le port de commande de l&apos;imprimante est indiqué dans sa page de paramètres Ethernet (9100 s&apos;il n&apos;a pas été modifié).</translation>
    </message>
    <message>
        <source>%1 在 %3 毫秒内未在端口 %2 上应答。</source>
        <translation>%1 n&apos;a pas répondu sur le port %2 dans un délai de %3 ms.</translation>
    </message>
    <message>
        <source>请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。</source>
        <translation>Vérifiez que l&apos;imprimante est allumée et sur ce réseau, et qu&apos;aucun pare-feu ne bloque la connexion.</translation>
    </message>
    <message>
        <source>打印机应答了信息查询：%1</source>
        <translation>L&apos;imprimante a répondu à la demande d&apos;informations : %1</translation>
    </message>
    <message>
        <source>端口接受了连接，但打印机未应答信息查询。</source>
        <translation>Le port a accepté la connexion, mais l&apos;imprimante n&apos;a pas répondu à la demande d&apos;informations.</translation>
    </message>
    <message>
        <source>可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。</source>
        <translation>Un autre programme utilise peut-être l&apos;imprimante, ou le port appartient à un autre appareil : redémarrez l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>打印机应答了 UDP 端口 %1 上的搜索请求。</source>
        <translation>L&apos;imprimante a répondu à la requête de recherche sur le port UDP %1.</translation>
    </message>
    <message>
        <source>UDP 端口 %1 上的搜索请求没有应答。</source>
        <translation>Aucune réponse à la requête de recherche sur le port UDP %1.</translation>
    </message>
    <message>
        <source>本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同：列表搜索找不到它，但按地址打开仍可使用。</source>
        <translation>Le pare-feu de cet ordinateur bloque peut-être les réponses de l&apos;imprimante (autorisez le port UDP %1), ou l&apos;imprimante utilise un autre port de recherche : la recherche de la liste ne la trouvera pas, mais l&apos;ouverture par adresse fonctionne toujours.</translation>
    </message>
    <message>
        <source>无法解析地址 %1。</source>
        <translation>Impossible de résoudre l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>请输入打印机自检页上显示的 IP 地址。</source>
        <translation>Saisissez l&apos;adresse IP indiquée sur la page d&apos;autotest de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>未查询：端口不接受连接。</source>
        <translation>Pas de requête : le port n&apos;accepte pas les connexions.</translation>
    </message>
    <message>
        <source>USB 打印机</source>
        <translation>Imprimante USB</translation>
    </message>
    <message>
        <source>USB 访问权限</source>
        <translation>Accès USB</translation>
    </message>
    <message>
        <source>udev 规则</source>
        <translation>Règle udev</translation>
    </message>
    <message>
        <source>udev 规则已生效</source>
        <translation>Règle udev appliquée</translation>
    </message>
    <message>
        <source>内核驱动</source>
        <translation>Pilote du noyau</translation>
    </message>
    <message>
        <source>打印队列</source>
        <translation>Files d&apos;impression</translation>
    </message>
    <message>
        <source>打印机地址</source>
        <translation>Adresse de l&apos;imprimante</translation>
    </message>
    <message>
        <source>子网</source>
        <translation>Sous-réseau</translation>
    </message>
    <message>
        <source>路由</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>TCP 端口</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>打印机应答</source>
        <translation>Réponse de l&apos;imprimante</translation>
    </message>
    <message>
        <source>发现端口</source>
        <translation>Port de découverte</translation>
    </message>
    <message>
        <source>%1 无法到达：%2。</source>
        <translation>%1 est injoignable : %2.</translation>
    </message>
    <message>
        <source>本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。</source>
        <translation>Cet ordinateur n’a aucun chemin vers ce réseau : vérifiez sa connexion réseau, son adresse et sa passerelle.</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Pas sur ce système</translation>
    </message>
    <message>
        <source>未检查搜索端口：按地址连接不用它。</source>
        <translation>Port de recherche non vérifié : une connexion par adresse ne l’utilise pas.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>连接方式</source>
        <translation>Type de connexion</translation>
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
        <translation>Bluetooth (&amp;D)</translation>
    </message>
    <message>
        <source>串口(&amp;P)</source>
        <translation>&amp;Port série</translation>
    </message>
    <message>
        <source>IP连接设置</source>
        <translation>Connexion IP</translation>
    </message>
    <message>
        <source>设备IP:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>TCP端口:</source>
        <translation>Port TCP :</translation>
    </message>
    <message>
        <source>UDP端口:</source>
        <translation>Port UDP :</translation>
    </message>
    <message>
        <source>串口参数</source>
        <translation>Paramètres série</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Débit (bauds) :</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Bits de données :</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Bits d&apos;arrêt :</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>停止获取</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>打开设备</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>关闭设备</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>请确保通讯设备已开启</source>
        <translation>Vérifiez que l&apos;appareil de communication est allumé</translation>
    </message>
    <message>
        <source>请先选中打印列表中的打印机</source>
        <translation>Sélectionnez d&apos;abord une imprimante dans la liste</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>连接超时，请重试！</source>
        <translation>Délai de connexion dépassé, veuillez réessayer !</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Connexion réussie !</translation>
    </message>
    <message>
        <source>关闭成功！</source>
        <translation>Fermeture réussie !</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)</source>
        <translation>D&amp;iagnostic de connexion</translation>
    </message>
    <message>
        <source>导出诊断报告(&amp;E)…</source>
        <translation>Exporter le &amp;rapport de diagnostic…</translation>
    </message>
    <message>
        <source>打印机群(&amp;F)…</source>
        <translation>Parc (&amp;B)…</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Recherche d&apos;imprimantes</translation>
    </message>
    <message>
        <source>打开打印机</source>
        <translation>Ouverture de l&apos;imprimante</translation>
    </message>
    <message>
        <source>关闭打印机</source>
        <translation>Fermeture de l&apos;imprimante</translation>
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
        <translation>Zone d&apos;envoi</translation>
    </message>
    <message>
        <source>HEX发送</source>
        <translation>E&amp;nvoi HEX</translation>
    </message>
    <message>
        <source>HEX接收</source>
        <translation>Réception HE&amp;X</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>En&amp;voyer un fichier</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>Effacer &amp;l&apos;envoi</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>Eff&amp;acer la réception</translation>
    </message>
    <message>
        <source>发送进度</source>
        <translation>Progression de l&apos;envoi</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Téléchargement réussi</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Appareil non ouvert !</translation>
    </message>
    <message>
        <source>此十六进制字符串格式无效。</source>
        <translation>Cette chaîne hexadécimale n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>发送失败！请重试</source>
        <translation>Échec de l&apos;envoi ! Veuillez réessayer</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>发送文件 %1，%2 字节</source>
        <translation>Envoi du fichier %1, %2 octets</translation>
    </message>
    <message>
        <source>第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格</source>
        <translation>Espacement incorrect au caractère %1 : exactement un espace entre les octets, pas de saut de ligne, aucun au début ni à la fin</translation>
    </message>
    <message>
        <source>第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F</source>
        <translation>Le caractère %1 « %2 » n’est pas un chiffre hexadécimal : attendu 0-9 ou A-F</translation>
    </message>
    <message>
        <source>发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40</source>
        <translation>La zone d’envoi est vide : attendu des chiffres hexadécimaux par paires séparées par des espaces, p. ex. 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40</source>
        <translation>Plus de deux chiffres à partir du caractère %1 : un espace entre les octets, p. ex. 1B 40</translation>
    </message>
    <message>
        <source>第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F</source>
        <translation>Nombre impair de chiffres hexadécimaux à partir du caractère %1 : chaque octet prend deux chiffres, p. ex. 0F</translation>
    </message>
    <message>
        <source>已取消：已发送 %1/%2 块</source>
        <translation>Annulé : %1/%2 blocs envoyés</translation>
    </message>
    <message>
        <source>发送 %1/%2 块</source>
        <translation>Envoi %1/%2 blocs</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Envoi des données</translation>
    </message>
</context>
<context>
    <name>CutDialog</name>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>请确保打印机是否已经安装/连接对应剥离器</source>
        <translation>Vérifiez que le décolleur adapté est installé/connecté sur l&apos;imprimante</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DiagnosticsActions</name>
    <message>
        <source>正在诊断…</source>
        <translation>Diagnostic en cours…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>连接诊断结果</source>
        <translation>Résultats du diagnostic de connexion</translation>
    </message>
    <message>
        <source>未输入地址：只检查 USB 打印机。</source>
        <translation>Aucune adresse saisie : seules les imprimantes USB sont vérifiées.</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>建议</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>导出诊断报告…</source>
        <translation>Exporter le rapport de diagnostic…</translation>
    </message>
    <message>
        <source>诊断报告 (*.json)</source>
        <translation>Rapports de diagnostic (*.json)</translation>
    </message>
    <message>
        <source>本系统不适用</source>
        <translation>Pas sur ce système</translation>
    </message>
    <message>
        <source>只检查网络打印机 %1。</source>
        <translation>Seule l’imprimante réseau %1 est vérifiée.</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>Diagnostic de connexion</translation>
    </message>
</context>
<context>
    <name>DistancePage</name>
    <message>
        <source>距离设置</source>
        <translation>Réglage des distances</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)：</source>
        <translation>De la sortie papier à la tête (dot) :</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)：</source>
        <translation>Du capteur d&apos;espace à la tête (mm) :</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)：</source>
        <translation>Du capteur de marque noire à la tête (mm) :</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)：</source>
        <translation>De la tête à la position de détachement (dot) :</translation>
    </message>
    <message>
        <source>注：1mm = 8dot</source>
        <translation>Remarque : 1mm = 8dot</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>注：1mm = 12dot</source>
        <translation>Remarque : 1mm = 12dot</translation>
    </message>
</context>
<context>
    <name>DistributeNet</name>
    <message>
        <source>WIFI配网</source>
        <translation>Configuration Wi-Fi</translation>
    </message>
    <message>
        <source>请选择WiFi网络</source>
        <translation>Veuillez sélectionner un réseau Wi-Fi</translation>
    </message>
    <message>
        <source>可用WiFi列表（点击选择）</source>
        <translation>Réseaux Wi-Fi disponibles (cliquez pour choisir)</translation>
    </message>
    <message>
        <source>所选WiFi</source>
        <translation>Wi-Fi sélectionné</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>请输入WiFi密码</source>
        <translation>Veuillez saisir le mot de passe Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Aff&amp;icher</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>选择手动输入</source>
        <translation>&amp;Saisie manuelle</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>开始配网</source>
        <translation>&amp;Lancer la configuration</translation>
    </message>
    <message>
        <source>扫描中...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>(当前连接)</source>
        <translation>(connecté)</translation>
    </message>
    <message>
        <source>请输入WiFi名称</source>
        <translation>Veuillez saisir le nom du Wi-Fi</translation>
    </message>
    <message>
        <source>请刷新列表，或选择手动输入WiFi名称</source>
        <translation>Actualisez la liste ou choisissez de saisir le nom du Wi-Fi manuellement</translation>
    </message>
    <message>
        <source>请选择一个WiFi</source>
        <translation>Veuillez sélectionner un Wi-Fi</translation>
    </message>
    <message>
        <source>找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。</source>
        <translation>Le programme de recherche WiFi « %1 » est introuvable : cochez « Saisie manuelle » et tapez le nom du réseau.</translation>
    </message>
    <message>
        <source>没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。</source>
        <translation>Aucun réseau trouvé : cochez « Saisie manuelle » et tapez le nom du réseau, ou actualisez la liste plus tard.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>打印机：%1</source>
        <translation>Imprimante : %1</translation>
    </message>
</context>
<context>
    <name>DownloadPanel</name>
    <message>
        <source>固件与字库下载</source>
        <translation>Téléchargement firmware et polices</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Téléchar&amp;ger le firmware</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Télécharger la police (&amp;J)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Téléchargement réussi</translation>
    </message>
    <message>
        <source>等待打印机指示灯停止闪烁</source>
        <translation>Attendez que le voyant de l&apos;imprimante cesse de clignoter</translation>
    </message>
    <message>
        <source>HEX File</source>
        <translation>Fichier HEX</translation>
    </message>
    <message>
        <source>HEX Files (*.hex);;All Files (*)</source>
        <translation>Fichiers HEX (*.hex);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>BIN File</source>
        <translation>Fichier BIN</translation>
    </message>
    <message>
        <source>BIN Files (*.bin);;All Files (*)</source>
        <translation>Fichiers BIN (*.bin);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>下载固件 %1，%2 字节</source>
        <translation>Téléchargement du micrologiciel %1, %2 octets</translation>
    </message>
    <message>
        <source>下载字库 %1，%2 字节</source>
        <translation>Téléchargement de la police %1, %2 octets</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Échec de la connexion : </translation>
    </message>
    <message>
        <source>连接失败: </source>
        <translation>Échec de la connexion : </translation>
    </message>
    <message>
        <source>%1 下载失败：%2</source>
        <translation>%1 : échec du téléchargement : %2</translation>
    </message>
    <message>
        <source>%1 下载完成</source>
        <translation>%1 : téléchargement terminé</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>EthernetPage</name>
    <message>
        <source>IP模式：</source>
        <translation>Mode IP :</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Masque de sous-réseau :</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>Port TCP :</translation>
    </message>
    <message>
        <source>UDP端口号：</source>
        <translation>Port UDP :</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Remarque : redémarrez l&apos;imprimante après avoir modifié ce réglage</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>地址格式错误，请输入如192.168.1.100的四段地址</source>
        <translation>Format d&apos;adresse incorrect, veuillez saisir une adresse en quatre parties comme 192.168.1.100</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Opération réussie, veuillez redémarrer l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>FleetJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Impossible d'écrire l'historique des modifications %1 ; les modifications ne sont pas enregistrées</translation>
    </message>
</context>
<context>
    <name>FleetModel</name>
    <message>
        <source>无法连接</source>
        <translation>Injoignable</translation>
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
        <translation>Modèle</translation>
    </message>
    <message>
        <source>厂商</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>État</translation>
    </message>
    <message>
        <source>最后应答</source>
        <translation>Dernière réponse</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Écart</translation>
    </message>
</context>
<context>
    <name>FleetRun</name>
    <message>
        <source>%1/%2 台打印机</source>
        <translation>%1/%2 imprimantes</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>打印机群</source>
        <translation>Parc d&apos;imprimantes</translation>
    </message>
    <message>
        <source>地址[:端口]，或 usb:端口</source>
        <translation>adresse[:port] ou usb:port</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>扫描网段(&amp;R)…</source>
        <translation>A&amp;nalyser une plage…</translation>
    </message>
    <message>
        <source>导入目标文件(&amp;I)…</source>
        <translation>&amp;Importer des cibles…</translation>
    </message>
    <message>
        <source>搜索(&amp;C)</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>应用配置(&amp;P)…</source>
        <translation>Appliquer &amp;un profil…</translation>
    </message>
    <message>
        <source>下载固件(&amp;F)…</source>
        <translation>&amp;Micrologiciel…</translation>
    </message>
    <message>
        <source>下载字库(&amp;O)…</source>
        <translation>&amp;Police…</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Page &amp;de test</translation>
    </message>
    <message>
        <source>导出清单(&amp;E)…</source>
        <translation>&amp;Exporter l&apos;inventaire…</translation>
    </message>
    <message>
        <source>移除(&amp;M)</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>轮询间隔</source>
        <translation>Interroger toutes les</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>并行</source>
        <translation>En parallèle</translation>
    </message>
    <message>
        <source>期望固件版本</source>
        <translation>Micrologiciel attendu</translation>
    </message>
    <message>
        <source>不检查</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>扫描网段</source>
        <translation>Analyser une plage</translation>
    </message>
    <message>
        <source>正在扫描 %1 个地址…</source>
        <translation>Analyse de %1 adresses…</translation>
    </message>
    <message>
        <source>找到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 imprimantes trouvées, dont %2 nouvelles.</translation>
    </message>
    <message>
        <source>导入目标文件</source>
        <translation>Importer des cibles</translation>
    </message>
    <message>
        <source>目标文件 (*.txt *.list);;所有文件 (*)</source>
        <translation>Fichiers de cibles (*.txt *.list);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>第 %1 行不是地址：%2</source>
        <translation>La ligne %1 n&apos;est pas une adresse : %2</translation>
    </message>
    <message>
        <source>%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5</source>
        <translation>%1 imprimantes : %2 prêtes, %3 occupées, %4 à traiter, %5 injoignables</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Appliquer un profil</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profils (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>无法使用 %1：%2</source>
        <translation>Impossible d&apos;utiliser %1 : %2</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>校验不符 %1 项</source>
        <translation>%1 relus différents</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>%1 différents</translation>
    </message>
    <message>
        <source>已写入 %1 项</source>
        <translation>%1 écrits</translation>
    </message>
    <message>
        <source>没有需要写入的设置。</source>
        <translation>Aucun réglage à écrire.</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>下载固件</source>
        <translation>Charger le micrologiciel</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Charger une police</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>等待中</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>无法解密文件</source>
        <translation>Impossible de déchiffrer le fichier</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>成功：%1 → %2</source>
        <translation>Terminé : %1 → %2</translation>
    </message>
    <message>
        <source>版本不符：%1</source>
        <translation>Mauvaise version : %1</translation>
    </message>
    <message>
        <source>版本未变：%1</source>
        <translation>Version inchangée : %1</translation>
    </message>
    <message>
        <source>失败：无法连接</source>
        <translation>Échec : injoignable</translation>
    </message>
    <message>
        <source>失败：传输中断</source>
        <translation>Échec : transfert interrompu</translation>
    </message>
    <message>
        <source>已发送自检</source>
        <translation>Test envoyé</translation>
    </message>
    <message>
        <source>导出清单</source>
        <translation>Exporter l&apos;inventaire</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;JSON 文件 (*.json)</source>
        <translation>Fichiers CSV (*.csv);;Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>第 %1 行不完整（文件在此中断）：%2</source>
        <translation>la ligne %1 est incomplète (le fichier s&apos;arrête là) : %2</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取，%2。
文件保持原样；列表改动后先询问是否覆盖它。</source>
        <translation>La liste d&apos;imprimantes %1 ne peut pas être lue entièrement : %2.
Le fichier reste tel quel ; si la liste change, vous serez consulté avant qu&apos;il soit écrasé.</translation>
    </message>
    <message>
        <source>打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？原文件另存为 %4。</source>
        <translation>La liste d&apos;imprimantes %1 ne peut pas être lue entièrement (%2). L&apos;écraser avec les %3 imprimantes listées maintenant ? L&apos;ancien fichier est conservé sous %4.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>无法另存 %1，清单未写入。</source>
        <translation>Impossible d&apos;enregistrer %1 ; la liste n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>把字库 %1 下载到 %2 台打印机？</source>
        <translation>Télécharger la police %1 vers %2 imprimantes ?</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。</source>
        <translation>Télécharger le micrologiciel %1 vers %2 imprimantes ? Elles redémarreront ; aucune version attendue n&apos;est indiquée, la version n&apos;est pas vérifiée.</translation>
    </message>
    <message>
        <source>把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。</source>
        <translation>Télécharger le micrologiciel %1 vers %2 imprimantes ? Elles redémarreront et devraient ensuite indiquer la version %3.</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>写入并校验？</source>
        <translation>Écrire et vérifier ?</translation>
    </message>
    <message>
        <source>网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 65536 个地址（/16）。</source>
        <translation>Plage (p. ex. 192.168.1.0/24 ou 192.168.1.10-60), éventuellement avec :port. Au plus 65536 adresses (/16) à la fois.</translation>
    </message>
    <message>
        <source>（未知）</source>
        <translation>(inconnu)</translation>
    </message>
    <message>
        <source>%1 台打印机共 %2 项设置与配置不同：</source>
        <translation>%2 réglages sur %1 imprimantes diffèrent du profil :</translation>
    </message>
    <message>
        <source>不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，一次最多 65536 个地址。</source>
        <translation>Plage impossible à analyser : %1. Attendu a.b.c.d/n (n au moins 16) ou a.b.c.d-e, au plus 65536 adresses à la fois.</translation>
    </message>
    <message>
        <source>搜索到 %1 台打印机，新加入 %2 台。</source>
        <translation>%1 imprimantes trouvées, dont %2 nouvelles.</translation>
    </message>
    <message>
        <source>不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。</source>
        <translation>Pas une adresse : %1. Attendu adresse[:port] (port 1 à 65535) ou usb:port (1 à 255).</translation>
    </message>
    <message>
        <source>正在搜索…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>正在搜索打印机…</source>
        <translation>Recherche d’imprimantes…</translation>
    </message>
    <message>
        <source>%1 是网段，不是一个地址：网段请用“扫描网段…”。</source>
        <translation>%1 est une plage, pas une adresse : analysez les plages avec « Analyser une plage… ».</translation>
    </message>
    <message>
        <source>%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。</source>
        <translation>%1 n’est pas une adresse IPv4 : attendu quatre nombres de 0 à 255, p. ex. 192.168.1.20.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，进行中的在下一帧处停止，其余的不再开始。</source>
        <translation>Une opération est en cours. L&apos;annuler et fermer la fenêtre ? Les imprimantes terminées restent telles quelles, celles en cours s&apos;arrêtent à la trame suivante, les autres ne sont pas commencées.</translation>
    </message>
    <message>
        <source>取消并关闭</source>
        <translation>Annuler et fermer</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>已取消：未开始</source>
        <translation>Annulé : pas commencé</translation>
    </message>
    <message>
        <source>已取消：中途停止</source>
        <translation>Annulé : arrêté en cours de route</translation>
    </message>
    <message>
        <source>扫描已取消。</source>
        <translation>Recherche annulée.</translation>
    </message>
    <message>
        <source>搜索打印机</source>
        <translation>Recherche d&apos;imprimantes</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>Déchiffrement</translation>
    </message>
    <message>
        <source>未开始：先试的打印机失败</source>
        <translation>Non commencé : une imprimante essayée d’abord a échoué</translation>
    </message>
    <message>
        <source>先试 N 台</source>
        <translation>Essayer N d’abord</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>继续未完成的</source>
        <translation>Reprendre les inachevées</translation>
    </message>
    <message>
        <source>%1：不同</source>
        <translation>%1 : diffère</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>检查偏差(&amp;D)…</source>
        <translation>Vérifier l’é&amp;cart…</translation>
    </message>
    <message>
        <source>检查偏差</source>
        <translation>Vérifier l’écart</translation>
    </message>
</context>
<context>
    <name>FunctionPage</name>
    <message>
        <source>基本功能</source>
        <translation>Fonctions de base</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Imprimer la pa&amp;ge d&apos;autotest</translation>
    </message>
    <message>
        <source>重启机器</source>
        <translation>Redémarrer l&apos;imprimante (&amp;3)</translation>
    </message>
    <message>
        <source>打印机初始化</source>
        <translation>I&amp;nitialiser l&apos;imprimante</translation>
    </message>
    <message>
        <source>传感器自学习</source>
        <translation>Calibrage des capteurs</translation>
    </message>
    <message>
        <source>缝隙自学习</source>
        <translation>Calibrage espace (&amp;Q)</translation>
    </message>
    <message>
        <source>黑标自学习</source>
        <translation>Calibrage marque noire (&amp;4)</translation>
    </message>
    <message>
        <source>DAC自学习</source>
        <translation>C&amp;alibrage DAC</translation>
    </message>
    <message>
        <source>缺纸学习</source>
        <translation>Calibrage fin de papier (&amp;X)</translation>
    </message>
    <message>
        <source>出纸口纸边传感器自学习</source>
        <translation>Calibrage capteur de &amp;sortie</translation>
    </message>
    <message>
        <source>切刀模式</source>
        <translation>Mode massicot</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>Coup&amp;e totale</translation>
    </message>
    <message>
        <source>切刀关闭</source>
        <translation>&amp;Massicot désactivé</translation>
    </message>
    <message>
        <source>剥离模式</source>
        <translation>Mode déco&amp;llage</translation>
    </message>
    <message>
        <source>撕离模式</source>
        <translation>Mode détachement (&amp;K)</translation>
    </message>
    <message>
        <source>按键与蜂鸣器</source>
        <translation>Touches et buzzer</translation>
    </message>
    <message>
        <source>按键设置开启</source>
        <translation>Touches activées (&amp;J)</translation>
    </message>
    <message>
        <source>按键设置关闭</source>
        <translation>Touches désacti&amp;vées</translation>
    </message>
    <message>
        <source>蜂鸣器开启</source>
        <translation>Buzzer activé (&amp;2)</translation>
    </message>
    <message>
        <source>蜂鸣器关闭</source>
        <translation>Buzzer désactivé (&amp;1)</translation>
    </message>
    <message>
        <source>打印机信息</source>
        <translation>Informations imprimante</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Version du firmware :</translation>
    </message>
    <message>
        <source>分辨率(DPI)：</source>
        <translation>Résolution (DPI) :</translation>
    </message>
    <message>
        <source>最大打印宽度(mm)：</source>
        <translation>Largeur max. (mm) :</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>获取打印机信息(&amp;X)</source>
        <translation>Lire les infos imprimante (&amp;Y)</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>État de l&apos;imprimante</translation>
    </message>
    <message>
        <source>获取打印机状态(&amp;Z)</source>
        <translation>Lire l&apos;état (&amp;Z)</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>设备未打开!</source>
        <translation>Appareil non ouvert !</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Vérifiez que l&apos;imprimante est connectée</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，之后连接会关闭。
确定要初始化打印机吗？</source>
        <translation>L’imprimante reviendra à ses réglages d’usine : ses réglages enregistrés d’impression, de distances, de réseau, Bluetooth et série seront effacés, puis la connexion sera fermée.
Initialiser l’imprimante ?</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Initialiser</translation>
    </message>
    <message>
        <source>读取打印机信息</source>
        <translation>Lecture des informations de l&apos;imprimante</translation>
    </message>
    <message>
        <source>读取打印机状态</source>
        <translation>Lecture de l&apos;état de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>操作进度</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>在下一帧之前停止正在进行的操作</source>
        <translation>Arrêter l&apos;opération en cours avant la trame suivante</translation>
    </message>
    <message>
        <source>正在取消…</source>
        <translation>Annulation…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>标签机设置工具</source>
        <translation>Outil de configuration d&apos;imprimante d&apos;étiquettes </translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Paramètres de l&apos;imprimante</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>距离设置</source>
        <translation>Réglage des distances</translation>
    </message>
    <message>
        <source>wifi设置</source>
        <translation>Paramètres Wi-Fi</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Paramètres Bluetooth</translation>
    </message>
    <message>
        <source>网口设置</source>
        <translation>Paramètres Ethernet</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Paramètres du port série</translation>
    </message>
    <message>
        <source>剥离器设置</source>
        <translation>Paramètres du décolleur</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>维护升级</source>
        <translation>Maintenance et mise à jour</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>处理成功</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>请确保打印机已进行连接</source>
        <translation>Vérifiez que l&apos;imprimante est connectée</translation>
    </message>
    <message>
        <source>USB通讯出错，请重试</source>
        <translation>Erreur de communication USB, veuillez réessayer</translation>
    </message>
    <message>
        <source>网络通讯出错，请重试</source>
        <translation>Erreur de communication réseau, veuillez réessayer</translation>
    </message>
    <message>
        <source>蓝牙通讯出错，请重试</source>
        <translation>Erreur de communication Bluetooth, veuillez réessayer</translation>
    </message>
    <message>
        <source>串口通讯出错，请重试</source>
        <translation>Erreur de communication série, veuillez réessayer</translation>
    </message>
    <message>
        <source>请先打开设备</source>
        <translation>Veuillez d&apos;abord ouvrir l&apos;appareil</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>缺纸</source>
        <translation>Plus de papier</translation>
    </message>
    <message>
        <source>纸将尽</source>
        <translation>Papier presque épuisé</translation>
    </message>
    <message>
        <source>卡纸</source>
        <translation>Bourrage papier</translation>
    </message>
    <message>
        <source>碳带将尽</source>
        <translation>Ruban presque épuisé</translation>
    </message>
    <message>
        <source>无碳带</source>
        <translation>Pas de ruban</translation>
    </message>
    <message>
        <source>打印头过热</source>
        <translation>Tête d&apos;impression en surchauffe</translation>
    </message>
    <message>
        <source>开盖</source>
        <translation>Capot ouvert</translation>
    </message>
    <message>
        <source>定位异常（黑标或缝隙）</source>
        <translation>Erreur de positionnement (marque noire ou espace)</translation>
    </message>
    <message>
        <source>切刀异常</source>
        <translation>Erreur du massicot</translation>
    </message>
    <message>
        <source>升级中</source>
        <translation>Mise à jour en cours</translation>
    </message>
    <message>
        <source>升级异常</source>
        <translation>Erreur de mise à jour</translation>
    </message>
    <message>
        <source>指令错误</source>
        <translation>Erreur de commande</translation>
    </message>
    <message>
        <source>打印暂停</source>
        <translation>Impression en pause</translation>
    </message>
    <message>
        <source>打印删除</source>
        <translation>Impression supprimée</translation>
    </message>
    <message>
        <source>演示模式：模拟打印机 %1:%2</source>
        <translation>Mode démo : imprimante simulée %1:%2</translation>
    </message>
    <message>
        <source>%1：输入无效，允许范围为 %2 至 %3</source>
        <translation>%1 : saisie invalide, plage autorisée de %2 à %3</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>读取失败，请重试</source>
        <translation>Échec de la lecture, veuillez réessayer</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>未打开打印机</source>
        <translation>Aucune imprimante ouverte</translation>
    </message>
    <message>
        <source>连接已关闭：请重新打开打印机，再读取和设置。</source>
        <translation>Connexion fermée : rouvrez l’imprimante avant de lire ou de régler.</translation>
    </message>
    <message>
        <source>已连接：%1 · %2</source>
        <translation>Connecté : %1 · %2</translation>
    </message>
    <message>
        <source>，TCP端口 %1</source>
        <translation>, port TCP %1</translation>
    </message>
    <message>
        <source>读取和设置标签打印机、下载固件与字库、WiFi配网。</source>
        <translation>Lit et règle les imprimantes d’étiquettes, télécharge micrologiciels et polices, configure le WiFi.</translation>
    </message>
    <message>
        <source>许可证：MIT（随附 LICENSE 文件）</source>
        <translation>Licence : MIT (voir le fichier LICENSE)</translation>
    </message>
    <message>
        <source>保存配置(&amp;A)…</source>
        <translation>&amp;Enregistrer le profil…</translation>
    </message>
    <message>
        <source>应用配置(&amp;Y)…</source>
        <translation>Appli&amp;quer un profil…</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>应用配置后尚未读取</source>
        <translation>Pas lu depuis l’application du profil</translation>
    </message>
    <message>
        <source>配网后尚未读取</source>
        <translation>Pas lu depuis la configuration Wi-Fi</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Historique des modifications</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>此型号的打印机不接受字库下载</source>
        <translation>ce modèle d&apos;imprimante n&apos;accepte pas de police</translation>
    </message>
    <message>
        <source>文件为空，没有可下载的内容：%1</source>
        <translation>le fichier est vide, rien à télécharger : %1</translation>
    </message>
    <message>
        <source>无法读取所选文件：%1</source>
        <translation>Impossible de lire le fichier choisi : %1</translation>
    </message>
    <message>
        <source>无法在文件所在的文件夹中创建解密文件：%1</source>
        <translation>Impossible de créer le fichier déchiffré dans le dossier du fichier : %1</translation>
    </message>
    <message>
        <source>解密失败，文件未发送。</source>
        <translation>Échec du déchiffrement ; le fichier n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>无法连接到 %1</source>
        <translation>impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>打印机正忙：另一项操作或文件传送正在进行</source>
        <translation>l&apos;imprimante est occupée : une autre opération ou un transfert de fichier est en cours</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>应答无效</source>
        <translation>réponse non valide</translation>
    </message>
    <message>
        <source>打印机正忙</source>
        <translation>l&apos;imprimante est occupée</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>USB 传输失败</source>
        <translation>échec du transfert USB</translation>
    </message>
    <message>
        <source>无法打开 USB 设备</source>
        <translation>impossible d&apos;ouvrir le périphérique USB</translation>
    </message>
    <message>
        <source>网络无应答或连接中断</source>
        <translation>pas de réponse à temps, ou connexion interrompue</translation>
    </message>
    <message>
        <source>通信失败（%1）</source>
        <translation>échec de la communication (%1)</translation>
    </message>
    <message>
        <source>打印机没有应答%1查询（%2）</source>
        <translation>l&apos;imprimante n&apos;a pas répondu à la requête %1 (%2)</translation>
    </message>
    <message>
        <source>打印机没有接受%1（%2）</source>
        <translation>l&apos;imprimante n&apos;a pas accepté %1 (%2)</translation>
    </message>
    <message>
        <source>打印机没有确认收到%1（%2）</source>
        <translation>l&apos;imprimante n&apos;a pas confirmé %1 (%2)</translation>
    </message>
    <message>
        <source>已发送，未确认</source>
        <translation>envoyé, non confirmé</translation>
    </message>
    <message>
        <source>打印机在限定时间内没有重新应答（%1）</source>
        <translation>l&apos;imprimante n&apos;a pas répondu à nouveau à temps (%1)</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>l&apos;imprimante</translation>
    </message>
    <message>
        <source>配置被拒绝，未发送任何设置：%1</source>
        <translation>refusé, rien n&apos;a été envoyé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项设置读回的值不同</source>
        <translation>
            <numerusform>%n réglage relu différent</numerusform>
            <numerusform>%n réglages relus différents</numerusform>
        </translation>
    </message>
    <message>
        <source>已中断，未开始：%1</source>
        <translation>interrompu, non commencé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项待更改</source>
        <translation>
            <numerusform>%n à modifier</numerusform>
            <numerusform>%n à modifier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已写入 %n 项</source>
        <translation>
            <numerusform>%n écrit</numerusform>
            <numerusform>%n écrits</numerusform>
        </translation>
    </message>
    <message>
        <source>；重启打印机后网络设置生效</source>
        <translation> ; redémarrez l&apos;imprimante pour appliquer le changement réseau</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>les octets</translation>
    </message>
    <message>
        <source>打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效</source>
        <translation>station %1 définie ; redémarrez l&apos;imprimante pour appliquer le changement Wi-Fi</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Impossible d&apos;écrire le fichier : %1</translation>
    </message>
    <message>
        <source>诊断报告已保存到 %1</source>
        <translation>Rapport de diagnostic enregistré dans %1</translation>
    </message>
    <message>
        <source>%1 未在限定时间内完成</source>
        <translation>%1 n&apos;a pas terminé dans le délai imparti</translation>
    </message>
    <message>
        <source>超过限定时间</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>已取消：%1 尚未开始，什么也没有发送</source>
        <translation>Annulé : %1 n&apos;avait pas commencé, rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>已取消：文件尚未开始发送</source>
        <translation>Annulé : l&apos;envoi du fichier n&apos;avait pas commencé</translation>
    </message>
    <message>
        <source>已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分</source>
        <translation>Annulé : %1, %3 octets sur %2 ; l&apos;imprimante n&apos;a reçu qu&apos;une partie du fichier</translation>
    </message>
    <message>
        <source>已发送 %1/%2 块</source>
        <translation>%1/%2 blocs envoyés</translation>
    </message>
    <message>
        <source>已取消：%1 在下一帧之前停下</source>
        <translation>Annulé : %1 arrêté avant la trame suivante</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>PageBinding</name>
    <message>
        <source>读取设置</source>
        <translation>Lecture des réglages</translation>
    </message>
    <message>
        <source>读取 %1/%2</source>
        <translation>Lecture %1/%2</translation>
    </message>
    <message>
        <source>读取已取消：已读取 %1/%2 项，页面未读取</source>
        <translation>Lecture annulée : %1/%2 éléments lus, la page n&apos;est pas lue</translation>
    </message>
    <message>
        <source>写入设置</source>
        <translation>Écriture des réglages</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>Écriture %1/%2</translation>
    </message>
    <message>
        <source>写入已取消：已发送 %1 帧，其余未发送</source>
        <translation>Écriture annulée : %1 trames envoyées, le reste non envoyé</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>打印速度：</source>
        <translation>Vitesse d&apos;impression :</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>Densité d&apos;impression :</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)：</source>
        <translation>Espace entre étiquettes (mm) :</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)：</source>
        <translation>Espace marque noire (mm) :</translation>
    </message>
    <message>
        <source>打印方向：</source>
        <translation>Sens d&apos;impression :</translation>
    </message>
    <message>
        <source>旋转0度</source>
        <translation>Rotation 0°</translation>
    </message>
    <message>
        <source>旋转180度</source>
        <translation>Rotation 180°</translation>
    </message>
    <message>
        <source>打印方式：</source>
        <translation>Type d&apos;impression :</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)：</source>
        <translation>Décalage d&apos;impression (mm) :</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)：</source>
        <translation>Décalage vertical (mm) :</translation>
    </message>
    <message>
        <source>打印模式：</source>
        <translation>Mode d&apos;impression :</translation>
    </message>
    <message>
        <source>热敏</source>
        <translation>Thermique direct</translation>
    </message>
    <message>
        <source>热转印</source>
        <translation>Transfert thermique</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>自动吸纸：</source>
        <translation>Chargement auto :</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>纸张类型：</source>
        <translation>Type de papier :</translation>
    </message>
    <message>
        <source>标签纸</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>黑标纸</source>
        <translation>Marque noire</translation>
    </message>
    <message>
        <source>连续纸</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>指令集：</source>
        <translation>Jeu de commandes :</translation>
    </message>
    <message>
        <source>默认代码页：</source>
        <translation>Page de codes par défaut :</translation>
    </message>
    <message>
        <source>语言切换：</source>
        <translation>Langue du menu :</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>中文简体</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>中文繁体</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>韩文</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>日文</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>阿拉伯文</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>泰文</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>宽度范围20-108mm，请重新输入</source>
        <translation>Largeur autorisée : 20-108mm, veuillez ressaisir</translation>
    </message>
    <message>
        <source>高度范围10-1778mm，请重新输入</source>
        <translation>Hauteur autorisée : 10-1778mm, veuillez ressaisir</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>保存配置</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Fichiers de profil (*.json)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Impossible d&apos;écrire le fichier : %1</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>Profil enregistré dans %1</translation>
    </message>
    <message>
        <source>应用配置</source>
        <translation>Appliquer un profil</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>Impossible de lire le fichier de profil : %1</translation>
    </message>
    <message>
        <source>配置文件无效：%1</source>
        <translation>Fichier de profil non valide : %1</translation>
    </message>
    <message>
        <source>以下设置在此型号上不存在，已跳过：%1</source>
        <translation>Ces paramètres n&apos;existent pas sur ce modèle et ont été ignorés : %1</translation>
    </message>
    <message>
        <source>打印机的设置与配置文件相同，无需写入。</source>
        <translation>Les paramètres de l&apos;imprimante correspondent au profil ; rien à écrire.</translation>
    </message>
    <message>
        <source>将写入以下 %1 项设置：</source>
        <translation>Les %1 paramètres suivants seront écrits :</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>打印机中的值</source>
        <translation>Valeur dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>配置文件中的值</source>
        <translation>Valeur dans le profil</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>写入后读回的值与配置文件不同：%1</source>
        <translation>Les valeurs relues après l&apos;écriture diffèrent du profil : %1</translation>
    </message>
    <message>
        <source>配置已应用。WiFi 或网口的更改在打印机重启后生效。</source>
        <translation>Profil appliqué. Les modifications WiFi ou Ethernet prennent effet après le redémarrage de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>配置已应用。</source>
        <translation>Profil appliqué.</translation>
    </message>
    <message>
        <source>保存配置已取消：没有保存任何文件</source>
        <translation>Enregistrement du profil annulé : aucun fichier enregistré</translation>
    </message>
    <message>
        <source>读取打印机设置</source>
        <translation>Lecture des réglages de l&apos;imprimante</translation>
    </message>
    <message>
        <source>应用配置已取消：什么也没有写入</source>
        <translation>Application du profil annulée : rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>应用配置已取消：已写入 %1 项设置，其余未写入</source>
        <translation>Application du profil annulée : %1 réglages écrits, le reste non</translation>
    </message>
</context>
<context>
    <name>ReadStateNote</name>
    <message>
        <source>尚未读取</source>
        <translation>Pas encore lu</translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>波特率：</source>
        <translation>Débit (bauds) :</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Bits de données :</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Bits d&apos;arrêt :</translation>
    </message>
    <message>
        <source>设备SN号:</source>
        <translation>SN de l&apos;appareil :</translation>
    </message>
    <message>
        <source>设备信息：</source>
        <translation>Infos appareil :</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Remarque : redémarrez l&apos;imprimante après avoir modifié ce réglage</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>SettingTable</name>
    <message>
        <source>AP_IP</source>
        <translation>IP AP</translation>
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
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>IP模式</source>
        <translation>Mode IP</translation>
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
        <translation>Nom SPP</translation>
    </message>
    <message>
        <source>SPP连接模式</source>
        <translation>Mode de connexion SPP</translation>
    </message>
    <message>
        <source>TCP端口号</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>UDP端口号</source>
        <translation>Port UDP</translation>
    </message>
    <message>
        <source>wifi名称</source>
        <translation>Nom du Wi-Fi</translation>
    </message>
    <message>
        <source>wifi密码</source>
        <translation>Mot de passe Wi-Fi</translation>
    </message>
    <message>
        <source>wifi模式</source>
        <translation>Mode Wi-Fi</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>出纸口到打印头距离(单位dot)</source>
        <translation>De la sortie papier à la tête (dot)</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）</source>
        <translation>Délai de retrait du décolleur (s)</translation>
    </message>
    <message>
        <source>垂直偏移(单位mm)</source>
        <translation>Décalage vertical (mm)</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>打印偏移(单位mm)</source>
        <translation>Décalage d&apos;impression (mm)</translation>
    </message>
    <message>
        <source>打印头到撕纸位置距离(单位dot)</source>
        <translation>De la tête à la position de détachement (dot)</translation>
    </message>
    <message>
        <source>打印方向</source>
        <translation>Sens d&apos;impression</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Type d&apos;impression</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>Mode d&apos;impression</translation>
    </message>
    <message>
        <source>打印浓度</source>
        <translation>Densité d&apos;impression</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>Vitesse d&apos;impression</translation>
    </message>
    <message>
        <source>指令集</source>
        <translation>Jeu de commandes</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>标签间隙(单位mm)</source>
        <translation>Espace entre étiquettes (mm)</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>纸张类型</source>
        <translation>Type de papier</translation>
    </message>
    <message>
        <source>缝到打印头距离(单位mm)</source>
        <translation>Du capteur d&apos;espace à la tête (mm)</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>自动吸纸</source>
        <translation>Chargement auto</translation>
    </message>
    <message>
        <source>设备SN号</source>
        <translation>SN de l&apos;appareil</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Infos appareil</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Langue du menu</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>黑标到打印头距离(单位mm)</source>
        <translation>Du capteur de marque noire à la tête (mm)</translation>
    </message>
    <message>
        <source>黑标间隙(单位mm)</source>
        <translation>Espace marque noire (mm)</translation>
    </message>
    <message>
        <source>默认代码页</source>
        <translation>Page de codes par défaut</translation>
    </message>
</context>
<context>
    <name>StripperPage</name>
    <message>
        <source>剥离器设置</source>
        <translation>Paramètres du décolleur</translation>
    </message>
    <message>
        <source>剥离器取纸时间设置（单位：s）：</source>
        <translation>Délai de retrait du décolleur (s) :</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>WifiPage</name>
    <message>
        <source>wifi模式：</source>
        <translation>Mode Wi-Fi :</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC :</translation>
    </message>
    <message>
        <source>TCP端口号：</source>
        <translation>Port TCP :</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>Mode STA</translation>
    </message>
    <message>
        <source>wifi名称：</source>
        <translation>Nom du Wi-Fi :</translation>
    </message>
    <message>
        <source>wifi密码：</source>
        <translation>Mot de passe Wi-Fi :</translation>
    </message>
    <message>
        <source>注：AP模式的wifi密码最少为8位</source>
        <translation>Remarque : en mode AP, le mot de passe Wi-Fi doit comporter au moins 8 caractères</translation>
    </message>
    <message>
        <source>注：此项功能设置后需重启打印机</source>
        <translation>Remarque : redémarrez l&apos;imprimante après avoir modifié ce réglage</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>Mode AP</translation>
    </message>
    <message>
        <source> AP_IP:</source>
        <translation>IP AP :</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>Paramètres IP</translation>
    </message>
    <message>
        <source>IP模式：</source>
        <translation>Mode IP :</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Masque de sous-réseau :</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation>DNS :</translation>
    </message>
    <message>
        <source>WIFI配网</source>
        <translation>Co&amp;nfiguration Wi-Fi</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>设置工具</source>
        <translation>Outil de configuration</translation>
    </message>
    <message>
        <source>AP模式的wifi密码最少为8位</source>
        <translation>En mode AP, le mot de passe Wi-Fi doit comporter au moins 8 caractères</translation>
    </message>
    <message>
        <source>处理成功，请重启打印机</source>
        <translation>Opération réussie, veuillez redémarrer l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>WifiProvisioning</name>
    <message>
        <source>错误</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>WiFi配网</source>
        <translation>Configuration WiFi</translation>
    </message>
    <message>
        <source>WiFi配网已取消：什么也没有发送</source>
        <translation>Configuration WiFi annulée : rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>WiFi配网已取消：已切换为站点模式，网络名称和密码未发送</source>
        <translation>Configuration WiFi annulée : mode station activé, nom du réseau et mot de passe non envoyés</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>变更记录 %1 无法写入，更改未被记录</source>
        <translation>Impossible d'écrire l'historique des modifications %1 ; les modifications ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
    <message>
        <source>功能 %1</source>
        <translation>Fonction %1</translation>
    </message>
    <message>
        <source>文件 %1（SHA-256 %2）</source>
        <translation>Fichier %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>控制台发送 %1 字节</source>
        <translation>Console : %1 octets envoyés</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <source>变更记录中没有这台打印机的条目。</source>
        <translation>L'historique des modifications ne contient aucune entrée pour cette imprimante.</translation>
    </message>
    <message>
        <source>%1 的变更，最新的在前：</source>
        <translation>Modifications de %1, les plus récentes d'abord :</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>操作者</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>WorkerThread</name>
    <message>
        <source>打开文件失败：%1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>向打印机发送数据失败。</source>
        <translation>Échec de l&apos;envoi des données à l&apos;imprimante.</translation>
    </message>
</context>
<context>
    <name>prompts</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
