<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name></name>
    <message id="tolvane-101">
        <source>About this program</source>
        <translation>关于本程序</translation>
    </message>
    <message id="tolvane-103">
        <source>Failed to initialize Windows Socket</source>
        <translation>无法初始化 Windows 套接字</translation>
    </message>
    <message id="tolvane-104">
        <source>MAC Address</source>
        <translation>MAC 地址</translation>
    </message>
    <message id="tolvane-105">
        <source>IPv4 Address</source>
        <translation>IPv4 地址</translation>
    </message>
    <message id="tolvane-106">
        <source>Port No.</source>
        <translation>端口号</translation>
    </message>
    <message id="tolvane-107">
        <source>Camera Status</source>
        <translation>摄像机状态</translation>
    </message>
    <message id="tolvane-108">
        <source><byte value="xd"/>
<byte value="xd"/>
Manual Network Configuration (for the camera in factory default settings)<byte value="xd"/>
The itemes below will not be configured by Manual etup<byte value="xd"/>
<byte value="xd"/>
Administrator authentication<byte value="xd"/>
Power Line Frequency<byte value="xd"/>
UPnP configuration<byte value="xd"/>
DynamicDNS configuration</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
手动网络配置（适用于出厂默认设置的摄像机）<byte value="xd"/>
手动设置不会配置以下项目<byte value="xd"/>
<byte value="xd"/>
管理员认证<byte value="xd"/>
电源频率<byte value="xd"/>
UPnP 配置<byte value="xd"/>
动态 DNS 配置</translation>
    </message>
    <message id="tolvane-109">
        <source><byte value="xd"/>
Access from the Internet</source>
        <translation><byte value="xd"/>
从互联网访问</translation>
    </message>
    <message id="tolvane-110">
        <source>IPv6 Address</source>
        <translation>IPv6 地址</translation>
    </message>
    <message id="tolvane-111">
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message id="tolvane-112">
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message id="tolvane-113">
        <source>Basic Setup</source>
        <translation>基本设置</translation>
    </message>
    <message id="tolvane-114">
        <source>DDNS registration</source>
        <translation>DDNS 注册</translation>
    </message>
    <message id="tolvane-115">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-116">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-117">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-118">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-119">
        <source><byte value="xd"/>
Tolvane Wizard in progress</source>
        <translation><byte value="xd"/>
Tolvane 向导正在运行</translation>
    </message>
    <message id="tolvane-120">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings</source>
        <translation><byte value="xd"/>
正在根据本计算机的网络设置配置摄像机的网络</translation>
    </message>
    <message id="tolvane-121">
        <source>Failed to get network settings from DHCP server<byte value="xd"/>
Click &quot;YES&quot; to proceed network configuration based on this computer&apos;s network settings<byte value="xd"/>
Click &quot;NO&quot; to continue Tolvane<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
* It may not be able to complete network configuration based on the computer&apos;s netwrok settings depending on your computer model or other factors. In that case, you need to cofigure network settings manually.</source>
        <translation>无法从 DHCP 服务器获取网络设置<byte value="xd"/>
单击“是”，将根据本计算机的网络设置继续进行网络配置<byte value="xd"/>
单击“否”，将继续使用 Tolvane<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
* 受计算机型号或其他因素的影响，可能无法根据本计算机的网络设置完成网络配置。此时，需要手动配置网络设置。</translation>
    </message>
    <message id="tolvane-122">
        <source><byte value="xd"/>
IP addresses overlapped</source>
        <translation><byte value="xd"/>
IP 地址冲突</translation>
    </message>
    <message id="tolvane-123">
        <source><byte value="xd"/>
Failed to set up camera (Time out)</source>
        <translation><byte value="xd"/>
摄像机设置失败（超时）</translation>
    </message>
    <message id="tolvane-124">
        <source><byte value="xd"/>
Camera setup in progress</source>
        <translation><byte value="xd"/>
正在设置摄像机</translation>
    </message>
    <message id="tolvane-125">
        <source><byte value="xd"/>
Failed to set up camera</source>
        <translation><byte value="xd"/>
摄像机设置失败</translation>
    </message>
    <message id="tolvane-126">
        <source><byte value="xd"/>
Restarting camera</source>
        <translation><byte value="xd"/>
正在重新启动摄像机</translation>
    </message>
    <message id="tolvane-127">
        <source><byte value="xd"/>
Camera setup completed</source>
        <translation><byte value="xd"/>
摄像机设置完成</translation>
    </message>
    <message id="tolvane-128">
        <source><byte value="xd"/>
Camera is preparing for Easy Installation.<byte value="xd"/>
Please wait for a while.</source>
        <translation><byte value="xd"/>
摄像机正在准备简易安装。<byte value="xd"/>
请稍候。</translation>
    </message>
    <message id="tolvane-129">
        <source>Unlimited</source>
        <translation>无限制</translation>
    </message>
    <message id="tolvane-130">
        <source>10Mbps</source>
        <translation>10Mbps</translation>
    </message>
    <message id="tolvane-131">
        <source>5Mbps</source>
        <translation>5Mbps</translation>
    </message>
    <message id="tolvane-132">
        <source>3Mbps</source>
        <translation>3Mbps</translation>
    </message>
    <message id="tolvane-133">
        <source>2Mbps</source>
        <translation>2Mbps</translation>
    </message>
    <message id="tolvane-134">
        <source>1Mbps</source>
        <translation>1Mbps</translation>
    </message>
    <message id="tolvane-135">
        <source>0.5Mbps</source>
        <translation>0.5Mbps</translation>
    </message>
    <message id="tolvane-136">
        <source>0.3Mbps</source>
        <translation>0.3Mbps</translation>
    </message>
    <message id="tolvane-137">
        <source>0.2Mbps</source>
        <translation>0.2Mbps</translation>
    </message>
    <message id="tolvane-138">
        <source>0.1Mbps</source>
        <translation>0.1Mbps</translation>
    </message>
    <message id="tolvane-139">
        <source>0.07Mbps</source>
        <translation>0.07Mbps</translation>
    </message>
    <message id="tolvane-140">
        <source>Off-line</source>
        <translation>离线</translation>
    </message>
    <message id="tolvane-141">
        <source>Error - DDNS registration</source>
        <translation>错误 - DDNS 注册</translation>
    </message>
    <message id="tolvane-142">
        <source>Error - Access test</source>
        <translation>错误 - 访问测试</translation>
    </message>
    <message id="tolvane-143">
        <source>Error - Port number refreshing</source>
        <translation>错误 - 端口号更新</translation>
    </message>
    <message id="tolvane-144">
        <source>Error - UPnP configuration</source>
        <translation>错误 - UPnP 配置</translation>
    </message>
    <message id="tolvane-145">
        <source>Error - Netework configuration</source>
        <translation>错误 - 网络配置</translation>
    </message>
    <message id="tolvane-146">
        <source>Firmware version up in progress</source>
        <translation>正在升级固件</translation>
    </message>
    <message id="tolvane-147">
        <source>Network configuration in progress</source>
        <translation>正在配置网络</translation>
    </message>
    <message id="tolvane-148">
        <source>UPnP configuration in progress</source>
        <translation>正在配置 UPnP</translation>
    </message>
    <message id="tolvane-149">
        <source>Internet connection test in progress</source>
        <translation>正在测试互联网连接</translation>
    </message>
    <message id="tolvane-150">
        <source>DDNS registration in progress</source>
        <translation>正在进行 DDNS 注册</translation>
    </message>
    <message id="tolvane-151">
        <source>Internet setup completed</source>
        <translation>互联网设置完成</translation>
    </message>
    <message id="tolvane-152">
        <source>Local setup completed</source>
        <translation>本地设置完成</translation>
    </message>
    <message id="tolvane-153">
        <source>Error - Router connection</source>
        <translation>错误 - 路由器连接</translation>
    </message>
    <message id="tolvane-154">
        <source>Changing configuration by user</source>
        <translation>用户正在更改配置</translation>
    </message>
    <message id="tolvane-155">
        <source>Enable to access from the Internet</source>
        <translation>允许从互联网访问</translation>
    </message>
    <message id="tolvane-156">
        <source>Disable to access from the Internet</source>
        <translation>禁止从互联网访问</translation>
    </message>
    <message id="tolvane-157">
        <source>Static IP address</source>
        <translation>静态 IP 地址</translation>
    </message>
    <message id="tolvane-158">
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message id="tolvane-159">
        <source>Error - Port number refreshing</source>
        <translation>错误 - 端口号更新</translation>
    </message>
    <message id="tolvane-160">
        <source>Do you wish to re-setup the camera?</source>
        <translation>是否重新设置摄像机？</translation>
    </message>
    <message id="tolvane-161">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-162">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-163">
        <source>Camera No.</source>
        <translation>摄像机编号</translation>
    </message>
    <message id="tolvane-164">
        <source>Do you wish to change to Automatic Setup mode?</source>
        <translation>是否切换到自动设置模式？</translation>
    </message>
    <message id="tolvane-165">
        <source>Network configuration in progress.<byte value="xd"/>
Please wait for a while.</source>
        <translation>正在配置网络。<byte value="xd"/>
请稍候。</translation>
    </message>
    <message id="tolvane-166">
        <source>IP address is not assigned to this computer.<byte value="xd"/>
Please configure the network settings for this computer and restart this program again.</source>
        <translation>本计算机未分配 IP 地址。<byte value="xd"/>
请配置本计算机的网络设置，然后重新启动本程序。</translation>
    </message>
    <message id="tolvane-167">
        <source>Please select a desired Network Camera</source>
        <translation>请选择网络摄像机</translation>
    </message>
    <message id="tolvane-168">
        <source>This camera is off-line.</source>
        <translation>此摄像机处于离线状态。</translation>
    </message>
    <message id="tolvane-169">
        <source>This program cannot set up the Network Camera over 20 minutes after restart.</source>
        <translation>摄像机重新启动超过 20 分钟后，本程序将无法对其进行设置。</translation>
    </message>
    <message id="tolvane-170">
        <source>Invalid value</source>
        <translation>输入的值无效。</translation>
    </message>
    <message id="tolvane-171">
        <source><byte value="xd"/>
If you wish to allow Internet access to the camera,<byte value="xd"/>
click the &quot;Next&quot; button for advanced setup.</source>
        <translation><byte value="xd"/>
如果要允许从互联网访问摄像机，<byte value="xd"/>
请单击“下一步”按钮进行高级设置。</translation>
    </message>
    <message id="tolvane-172">
        <source>Setup completed.<byte value="xd"/>
Use the address below to access the camera.<byte value="xd"/>
  Local Network Access : </source>
        <translation>设置完成。<byte value="xd"/>
请使用以下地址访问摄像机。<byte value="xd"/>
  本地网络访问：</translation>
    </message>
    <message id="tolvane-173">
        <source>This camera is in DHCP or Static Connection mode. 
If you wish to change to Automatic Setup mode, 
click &quot;Automatic Setup(Local Access Only)&quot; in the next window.</source>
        <translation>此摄像机处于 DHCP 或静态连接模式。
如果要切换到自动设置模式，
请在下一个窗口中单击“自动设置（仅限本地访问）”。</translation>
    </message>
    <message id="tolvane-174">
        <source>Now setting camera for IPsec off.</source>
        <translation>正在关闭摄像机的 IPsec。</translation>
    </message>
    <message id="tolvane-175">
        <source>IPsec is already off.</source>
        <translation>IPsec 已处于关闭状态。</translation>
    </message>
    <message id="tolvane-176">
        <source>Illegal Mac address.</source>
        <translation>MAC 地址无效。</translation>
    </message>
    <message id="tolvane-177">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings. It may take up to 1 minute.</source>
        <translation><byte value="xd"/>
正在根据本计算机的网络设置配置摄像机的网络。最多可能需要 1 分钟。</translation>
    </message>
    <message id="tolvane-178">
        <source>ENGLISH</source>
        <translation>CHINESE</translation>
    </message>
    <message id="tolvane-179">
        <source><byte value="xd"/>
Preparing network configuration based on this computer&apos;s network settings.</source>
        <translation><byte value="xd"/>
正在根据本计算机的网络设置准备网络配置。</translation>
    </message>
    <message id="tolvane-180">
        <source>IPv4 Information</source>
        <translation>IPv4 信息</translation>
    </message>
    <message id="tolvane-181">
        <source>IPv6 Information</source>
        <translation>IPv6 信息</translation>
    </message>
    <message id="tolvane-182">
        <source>Non regist for IPv6</source>
        <translation>未注册 IPv6</translation>
    </message>
    <message id="tolvane-183">
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message id="tolvane-184">
        <source>Static</source>
        <translation>静态</translation>
    </message>
    <message id="tolvane-185">
        <source>Internet access</source>
        <translation>互联网访问</translation>
    </message>
    <message id="tolvane-186">
        <source>Local access</source>
        <translation>本地访问</translation>
    </message>
    <message id="tolvane-187">
        <source>First, select &quot;Automatic Setup (Local Access Only)&quot;.</source>
        <translation>请先选择“自动设置（仅限本地访问）”。</translation>
    </message>
    <message id="tolvane-188">
        <source>More cameras answered than can be listed; not shown: %1. Set up the listed cameras, disconnect them, and start this program again to list the others.</source>
        <translation>应答的摄像机多于列表可显示的数量；未显示：%1 台。请先设置列表中的摄像机，然后断开它们并重新启动本程序以列出其他摄像机。</translation>
    </message>
    <message id="tolvane-189">
        <source>Checking %1 …</source>
        <translation>正在检查 %1 …</translation>
    </message>
    <message id="tolvane-190">
        <source>No camera answered: no network interface of this PC is connected. Check the network cable and that the network adapter is switched on.</source>
        <translation>没有摄像机应答：本计算机没有已连接的网络接口。请检查网线，并确认网络适配器已启用。</translation>
    </message>
    <message id="tolvane-191">
        <source>No camera answered: network interface %1 is connected but has no IPv4 address. Give it an address in the cameras&apos; network, or connect a DHCP server.</source>
        <translation>没有摄像机应答：网络接口 %1 已连接，但没有 IPv4 地址。请为其设置摄像机所在网络的地址，或连接 DHCP 服务器。</translation>
    </message>
    <message id="tolvane-192">
        <source>No camera answered: network interface %1 has only the automatic address %2 because no DHCP server answered. Give it an address in the cameras&apos; network.</source>
        <translation>没有摄像机应答：由于没有 DHCP 服务器应答，网络接口 %1 只有自动地址 %2。请为其设置摄像机所在网络的地址。</translation>
    </message>
    <message id="tolvane-193">
        <source>No camera answered, and the firewalld firewall runs on this PC: it drops the cameras&apos; replies unless they are allowed. Allow them with &quot;%1&quot;, and for good with &quot;%2&quot;.</source>
        <translation>没有摄像机应答，且本计算机正在运行 firewalld 防火墙：未经允许的摄像机应答会被丢弃。请用“%1”允许，并用“%2”永久允许。</translation>
    </message>
    <message id="tolvane-194">
        <source>No camera answered, and the ufw firewall is enabled on this PC: it may drop the cameras&apos; replies. Allow them with &quot;%1&quot;.</source>
        <translation>没有摄像机应答，且本计算机已启用 ufw 防火墙：它可能会丢弃摄像机的应答。请用“%1”允许。</translation>
    </message>
    <message id="tolvane-195">
        <source>No camera answered. Check that the cameras are powered and on this PC&apos;s network segment (routers do not forward the search); a firewall must allow UDP port 10669 from the LAN.</source>
        <translation>没有摄像机应答。请确认摄像机已通电，并与本计算机位于同一网段（路由器不会转发搜索）；防火墙必须允许来自局域网的 UDP 端口 10669。</translation>
    </message>
</context>
</TS>
