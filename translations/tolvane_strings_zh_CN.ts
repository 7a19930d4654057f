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
        <translation>正在检查 %1……</translation>
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
        <translation>没有摄像机应答。请确认摄像机已通电，并与本计算机位于同一网段（路由器不会转发搜索）；防火墙必须允许来自局域网、发往本机 UDP 端口 10669 的数据。</translation>
    </message>
    <message id="tolvane-301">
        <source>line %1, column %2 (%3)</source>
        <translation>第 %1 行，第 %2 列（%3）</translation>
    </message>
    <message id="tolvane-302">
        <source>&apos;%1&apos; is not a MAC address; write 02:00:5E:10:00:01, 02-00-5E-10-00-01 or 12 hexadecimal digits.</source>
        <translation>“%1”不是 MAC 地址；请写成 02:00:5E:10:00:01、02-00-5E-10-00-01 或 12 位十六进制数字。</translation>
    </message>
    <message id="tolvane-303">
        <source>&apos;%1&apos; is not an IPv4 address (A.B.C.D).</source>
        <translation>“%1”不是 IPv4 地址（A.B.C.D）。</translation>
    </message>
    <message id="tolvane-304">
        <source>&apos;%1&apos; is not an address with a prefix length (A.B.C.D/PREFIX, PREFIX from 0 to 32).</source>
        <translation>“%1”不是带前缀长度的地址（A.B.C.D/PREFIX，PREFIX 为 0 到 32）。</translation>
    </message>
    <message id="tolvane-305">
        <source>&apos;%1&apos; is not a port number from 1 to 65535.</source>
        <translation>“%1”不是 1 到 65535 之间的端口号。</translation>
    </message>
    <message id="tolvane-306">
        <source>&apos;%1&apos; is not one of the bandwidth choices: %2.</source>
        <translation>“%1”不是可选的带宽之一：%2。</translation>
    </message>
    <message id="tolvane-307">
        <source>&apos;%1&apos; is not a mode: write static, dhcp or leave the cell blank.</source>
        <translation>“%1”不是模式；请写 static、dhcp 或留空。</translation>
    </message>
    <message id="tolvane-308">
        <source>&apos;%1&apos; is not one or two IPv4 addresses separated by a comma.</source>
        <translation>“%1”不是一个或两个用逗号分隔的 IPv4 地址。</translation>
    </message>
    <message id="tolvane-309">
        <source>%1 cannot be used with %2.</source>
        <translation>%1 不能与 %2 一起使用。</translation>
    </message>
    <message id="tolvane-310">
        <source>%1 needs %2.</source>
        <translation>%1 需要 %2。</translation>
    </message>
    <message id="tolvane-311">
        <source>&apos;%1&apos; does not pass the check of the manual set-up.</source>
        <translation>“%1”未通过手动设置的检查。</translation>
    </message>
    <message id="tolvane-312">
        <source>this camera does not take a name.</source>
        <translation>此摄像机不接受名称。</translation>
    </message>
    <message id="tolvane-313">
        <source>&apos;%1&apos; is not a column; the columns are %2.</source>
        <translation>“%1”不是列名；列名为 %2。</translation>
    </message>
    <message id="tolvane-314">
        <source>the header has no &apos;%1&apos; column.</source>
        <translation>标题行没有“%1”列。</translation>
    </message>
    <message id="tolvane-315">
        <source>the column &apos;%1&apos; is named twice.</source>
        <translation>列“%1”出现了两次。</translation>
    </message>
    <message id="tolvane-316">
        <source>%1 cells where the header names %2.</source>
        <translation>此行有 %1 个单元格，而标题行有 %2 列。</translation>
    </message>
    <message id="tolvane-317">
        <source>a quoted cell is not closed.</source>
        <translation>带引号的单元格没有闭合。</translation>
    </message>
    <message id="tolvane-318">
        <source>the camera %1 is also on line %2.</source>
        <translation>摄像机 %1 也在第 %2 行。</translation>
    </message>
    <message id="tolvane-319">
        <source>the address %1 is also on line %2.</source>
        <translation>地址 %1 也在第 %2 行。</translation>
    </message>
    <message id="tolvane-320">
        <source>the address %1 is outside this computer&apos;s subnet %2.</source>
        <translation>地址 %1 不在本计算机的子网 %2 内。</translation>
    </message>
    <message id="tolvane-321">
        <source>cannot read the file %1: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message id="tolvane-322">
        <source>the file names no camera.</source>
        <translation>文件中没有任何摄像机。</translation>
    </message>
    <message id="tolvane-323">
        <source>another Tolvane is running on this computer and holds the camera port; close it and try again.</source>
        <translation>本计算机上已有另一个 Tolvane 在运行并占用摄像机端口；请关闭它后重试。</translation>
    </message>
    <message id="tolvane-324">
        <source>searching for the camera</source>
        <translation>正在搜索摄像机</translation>
    </message>
    <message id="tolvane-325">
        <source>found at %1, port %2</source>
        <translation>已找到：%1，端口 %2</translation>
    </message>
    <message id="tolvane-326">
        <source>the camera did not answer within %1 s.</source>
        <translation>摄像机在 %1 秒内没有应答。</translation>
    </message>
    <message id="tolvane-327">
        <source>the settings pass the checks of the manual set-up</source>
        <translation>设置通过了手动设置的检查</translation>
    </message>
    <message id="tolvane-328">
        <source>checking that no other device answers at %1</source>
        <translation>正在确认没有其他设备在 %1 应答</translation>
    </message>
    <message id="tolvane-329">
        <source>%1 is free</source>
        <translation>%1 未被占用</translation>
    </message>
    <message id="tolvane-330">
        <source>another device answers at %1; nothing was sent.</source>
        <translation>另一台设备在 %1 应答；未发送任何内容。</translation>
    </message>
    <message id="tolvane-331">
        <source>sending the set-up</source>
        <translation>正在发送设置</translation>
    </message>
    <message id="tolvane-332">
        <source>acknowledged; restarting the camera</source>
        <translation>已收到确认；正在重新启动摄像机</translation>
    </message>
    <message id="tolvane-333">
        <source>waiting for the camera to come back</source>
        <translation>正在等待摄像机重新上线</translation>
    </message>
    <message id="tolvane-334">
        <source>the camera is back at %1, port %2</source>
        <translation>摄像机已重新上线：%1，端口 %2</translation>
    </message>
    <message id="tolvane-335">
        <source>verified: the camera reports the new settings</source>
        <translation>已验证：摄像机报告了新的设置</translation>
    </message>
    <message id="tolvane-336">
        <source>the camera came back without the new settings: %1</source>
        <translation>摄像机已重新上线，但没有采用新的设置：%1</translation>
    </message>
    <message id="tolvane-337">
        <source>the camera did not acknowledge the set-up; no restart was sent.</source>
        <translation>摄像机没有确认设置；未发送重新启动请求。</translation>
    </message>
    <message id="tolvane-338">
        <source>the camera did not come back in time.</source>
        <translation>摄像机没有按时重新上线。</translation>
    </message>
    <message id="tolvane-339">
        <source>dry run: every check passed, nothing sent</source>
        <translation>试运行：所有检查均通过，未发送任何内容</translation>
    </message>
    <message id="tolvane-340">
        <source>sending the set-up by MAC address</source>
        <translation>正在按 MAC 地址发送设置</translation>
    </message>
    <message id="tolvane-341">
        <source>waiting for the camera to answer at %1</source>
        <translation>正在等待摄像机在 %1 应答</translation>
    </message>
    <message id="tolvane-342">
        <source>the camera did not answer at %1 in time.</source>
        <translation>摄像机没有按时在 %1 应答。</translation>
    </message>
    <message id="tolvane-343">
        <source>not run: an earlier camera failed (--stop-on-error).</source>
        <translation>未执行：前面的摄像机已失败（--stop-on-error）。</translation>
    </message>
    <message id="tolvane-344">
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message id="tolvane-345">
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message id="tolvane-346">
        <source>verified</source>
        <translation>已验证</translation>
    </message>
    <message id="tolvane-347">
        <source>checked</source>
        <translation>已检查</translation>
    </message>
    <message id="tolvane-348">
        <source>invalid input</source>
        <translation>输入无效</translation>
    </message>
    <message id="tolvane-349">
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message id="tolvane-350">
        <source>address in use</source>
        <translation>地址已被占用</translation>
    </message>
    <message id="tolvane-351">
        <source>no acknowledgement</source>
        <translation>未收到确认</translation>
    </message>
    <message id="tolvane-352">
        <source>timed out</source>
        <translation>超时</translation>
    </message>
    <message id="tolvane-353">
        <source>not verified</source>
        <translation>未验证</translation>
    </message>
    <message id="tolvane-354">
        <source>not run</source>
        <translation>未执行</translation>
    </message>
    <message id="tolvane-355">
        <source>%1 of %2 cameras succeeded.</source>
        <translation>%2 台摄像机中有 %1 台成功。</translation>
    </message>
    <message id="tolvane-356">
        <source>the camera came back with IPsec still on.</source>
        <translation>摄像机重新上线后 IPsec 仍处于开启状态。</translation>
    </message>
    <message id="tolvane-520">
        <source>cannot create the single-instance lock %1.</source>
        <translation>无法创建防止多实例运行的锁文件 %1。</translation>
    </message>
    <message id="tolvane-521">
        <source>cannot receive camera replies: UDP port %1 is not available.</source>
        <translation>无法接收摄像机的应答：UDP 端口 %1 不可用。</translation>
    </message>
    <message id="tolvane-522">
        <source>there is no network interface named &apos;%1&apos;.</source>
        <translation>没有名为“%1”的网络接口。</translation>
    </message>
    <message id="tolvane-523">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="tolvane-524">
        <source>line %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message id="tolvane-525">
        <source>Try &apos;tolvane --help&apos; for more information.</source>
        <translation>详细信息请运行“tolvane --help”。</translation>
    </message>
    <message id="tolvane-526">
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message id="tolvane-527">
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后面缺少值。</translation>
    </message>
    <message id="tolvane-528">
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”不接受值。</translation>
    </message>
    <message id="tolvane-529">
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message id="tolvane-530">
        <source>Unknown language &apos;%1&apos;: use en, ja, fr or zh_CN.</source>
        <translation>未知语言“%1”：请使用 en、ja、fr 或 zh_CN。</translation>
    </message>
    <message id="tolvane-531">
        <source>The interface name is empty.</source>
        <translation>网络接口名称为空。</translation>
    </message>
    <message id="tolvane-532">
        <source>--seconds and --json only go with --list, --setup, --setup-by-mac or --apply.</source>
        <translation>--seconds 和 --json 只能与 --list、--setup、--setup-by-mac 或 --apply 一起使用。</translation>
    </message>
    <message id="tolvane-533">
        <source>--seconds takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--seconds 需要 1 到 %1 之间的整数，而不是“%2”。</translation>
    </message>
    <message id="tolvane-534">
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message id="tolvane-535">
        <source>Finds the network cameras on this computer&apos;s Ethernet segment and gives them their network settings.</source>
        <translation>搜索与本计算机位于同一以太网网段的网络摄像机，并为其配置网络设置。</translation>
    </message>
    <message id="tolvane-536">
        <source>Exit status of a set-up: 0 verified (or, with --dry-run, every check passed), 1 no acknowledgement, time-out or the camera came back without the new settings (with --apply: any camera failed), 2 invalid input, 3 camera not found, 4 address in use, 5 another instance runs.</source>
        <translation>设置的退出状态：0 已验证（使用 --dry-run 时：所有检查均通过）；1 未收到确认、超时或摄像机重新上线后没有采用新的设置（使用 --apply 时：任一摄像机失败）；2 输入无效；3 未找到摄像机；4 地址已被占用；5 另一个 Tolvane 正在运行。</translation>
    </message>
    <message id="tolvane-537">
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message id="tolvane-538">
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message id="tolvane-539">
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message id="tolvane-540">
        <source>Interface language: en, ja, fr or zh_CN (default: from the locale).</source>
        <translation>界面语言：en、ja、fr 或 zh_CN（默认：取自区域设置）。</translation>
    </message>
    <message id="tolvane-541">
        <source>Use only the network interface &lt;name&gt; for this computer&apos;s address and for the camera traffic.</source>
        <translation>仅使用网络接口 &lt;name&gt; 获取本计算机的地址并与摄像机通信。</translation>
    </message>
    <message id="tolvane-542">
        <source>Without a window: search for cameras, then print one line per camera (number, MAC address, IPv4 address, port, status and, when several interfaces are searched, the interface, separated by tabs).</source>
        <translation>不打开窗口：搜索摄像机，然后每台摄像机输出一行（编号、MAC 地址、IPv4 地址、端口、状态，以及搜索多个接口时的接口，以制表符分隔）。</translation>
    </message>
    <message id="tolvane-543">
        <source>With --list: search for &lt;n&gt; seconds (default %1). With a set-up: wait at most &lt;n&gt; seconds for the camera to answer the search.</source>
        <translation>与 --list 一起使用：搜索 &lt;n&gt; 秒（默认 %1）。用于设置时：最多等待 &lt;n&gt; 秒，直到摄像机应答搜索。</translation>
    </message>
    <message id="tolvane-544">
        <source>With --list: print a JSON object with the cameras (row texts, interface and raw fields), how many answered but did not fit in the list and, when none answered, why. With a set-up: print the result and the camera&apos;s last record as JSON.</source>
        <translation>与 --list 一起使用：输出一个 JSON 对象，包含摄像机（行文本、接口和原始字段）、已应答但列表容纳不下的摄像机数量，以及没有摄像机应答时的原因。用于设置时：以 JSON 输出结果和摄像机的最后一条记录。</translation>
    </message>
    <message id="tolvane-545">
        <source>With --list: print CSV, first the columns of an --apply file, then those of --json.</source>
        <translation>与 --list 一起使用：输出 CSV，先是 --apply 文件的列，然后是 --json 的列。</translation>
    </message>
    <message id="tolvane-546">
        <source>Without a window: search for the camera with the MAC address &lt;mac&gt; (02:00:5E:10:00:01, 02-00-5E-10-00-01 or 02005E100001) and give it the settings below, as the manual set-up does; the settings not given keep the values the manual set-up opens with. Example: --setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1</source>
        <translation>不打开窗口：搜索 MAC 地址为 &lt;mac&gt;（02:00:5E:10:00:01、02-00-5E-10-00-01 或 02005E100001）的摄像机，并像手动设置一样为其设置以下各项；未指定的设置保留手动设置打开时的值。示例：--setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1</translation>
    </message>
    <message id="tolvane-547">
        <source>Without a window: give a camera that does not answer searches an address by the by-MAC request (needs --static; --gateway and --dns default to this computer&apos;s). Example: --setup-by-mac 02005E100001 --static 10.77.0.160/24</source>
        <translation>不打开窗口：通过按 MAC 地址发送的请求，为不应答搜索的摄像机设置地址（需要 --static；--gateway 和 --dns 默认采用本计算机的设置）。示例：--setup-by-mac 02005E100001 --static 10.77.0.160/24</translation>
    </message>
    <message id="tolvane-548">
        <source>Without a window: set up the cameras of the CSV file &lt;file&gt;, one after the other. Its header is mac,mode,address,gateway,dns1,dns2,port,name; a blank cell keeps the camera&apos;s value. Example: --apply site.csv --dry-run</source>
        <translation>不打开窗口：依次设置 CSV 文件 &lt;file&gt; 中的摄像机。其标题行为 mac,mode,address,gateway,dns1,dns2,port,name；空单元格保留摄像机的值。示例：--apply site.csv --dry-run</translation>
    </message>
    <message id="tolvane-549">
        <source>Static addressing with the address and prefix length &lt;address/prefix&gt;, e.g. 192.168.0.50/24.</source>
        <translation>使用地址和前缀长度 &lt;address/prefix&gt; 的静态地址，例如 192.168.0.50/24。</translation>
    </message>
    <message id="tolvane-550">
        <source>Static addressing with the IPv4 address &lt;address&gt;.</source>
        <translation>使用 IPv4 地址 &lt;address&gt; 的静态地址。</translation>
    </message>
    <message id="tolvane-551">
        <source>Static addressing with the subnet mask &lt;mask&gt;, e.g. 255.255.255.0.</source>
        <translation>使用子网掩码 &lt;mask&gt; 的静态地址，例如 255.255.255.0。</translation>
    </message>
    <message id="tolvane-552">
        <source>The default gateway, e.g. 192.168.0.1.</source>
        <translation>默认网关，例如 192.168.0.1。</translation>
    </message>
    <message id="tolvane-553">
        <source>The DNS servers: --dns A sets the first and keeps the second, --dns A,B sets both.</source>
        <translation>DNS 服务器：--dns A 设置第一个并保留第二个，--dns A,B 同时设置两个。</translation>
    </message>
    <message id="tolvane-554">
        <source>DHCP addressing.</source>
        <translation>通过 DHCP 获取地址。</translation>
    </message>
    <message id="tolvane-555">
        <source>The camera&apos;s web port &lt;n&gt;, 1 to 65535.</source>
        <translation>摄像机的 Web 端口 &lt;n&gt;，1 到 65535。</translation>
    </message>
    <message id="tolvane-556">
        <source>The camera name &lt;text&gt; (at most 15 bytes).</source>
        <translation>摄像机名称 &lt;text&gt;（最多 15 字节）。</translation>
    </message>
    <message id="tolvane-557">
        <source>The host name &lt;text&gt; (at most 63 characters).</source>
        <translation>主机名 &lt;text&gt;（最多 63 个字符）。</translation>
    </message>
    <message id="tolvane-558">
        <source>The bandwidth limit in Mbit/s: 0.1, 0.2, 0.3, 0.5, 1 or unlimited.</source>
        <translation>带宽限制（Mbit/s）：0.1、0.2、0.3、0.5、1 或 unlimited。</translation>
    </message>
    <message id="tolvane-559">
        <source>Instead of settings: the re-setup to the default local settings (192.168.0.253/24).</source>
        <translation>代替各项设置：重新设置为默认的本地设置（192.168.0.253/24）。</translation>
    </message>
    <message id="tolvane-560">
        <source>Instead of settings: turn the camera&apos;s IPsec off.</source>
        <translation>代替各项设置：关闭摄像机的 IPsec。</translation>
    </message>
    <message id="tolvane-561">
        <source>Run every check (settings, file, address in use, camera present) and send no set-up.</source>
        <translation>执行所有检查（设置、文件、地址占用、摄像机是否存在），但不发送设置。</translation>
    </message>
    <message id="tolvane-562">
        <source>With --apply: stop at the first camera that fails.</source>
        <translation>与 --apply 一起使用：在第一台失败的摄像机处停止。</translation>
    </message>
</context>
</TS>
