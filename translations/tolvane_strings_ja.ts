<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name></name>
    <message id="tolvane-101">
        <source>About this program</source>
        <translation>バージョン情報</translation>
    </message>
    <message id="tolvane-103">
        <source>Failed to initialize Windows Socket</source>
        <translation>Windows ソケットを初期化できませんでした</translation>
    </message>
    <message id="tolvane-104">
        <source>MAC Address</source>
        <translation>MACアドレス</translation>
    </message>
    <message id="tolvane-105">
        <source>IPv4 Address</source>
        <translation>IPv4アドレス</translation>
    </message>
    <message id="tolvane-106">
        <source>Port No.</source>
        <translation>ポート番号</translation>
    </message>
    <message id="tolvane-107">
        <source>Camera Status</source>
        <translation>カメラの状態</translation>
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
手動ネットワーク設定（工場出荷時の設定のカメラ用）<byte value="xd"/>
以下の項目は手動設定では設定されません<byte value="xd"/>
<byte value="xd"/>
管理者認証<byte value="xd"/>
電源周波数<byte value="xd"/>
UPnP設定<byte value="xd"/>
ダイナミックDNS設定</translation>
    </message>
    <message id="tolvane-109">
        <source><byte value="xd"/>
Access from the Internet</source>
        <translation><byte value="xd"/>
インターネットからのアクセス</translation>
    </message>
    <message id="tolvane-110">
        <source>IPv6 Address</source>
        <translation>IPv6アドレス</translation>
    </message>
    <message id="tolvane-111">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="tolvane-112">
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message id="tolvane-113">
        <source>Basic Setup</source>
        <translation>基本設定</translation>
    </message>
    <message id="tolvane-114">
        <source>DDNS registration</source>
        <translation>DDNS登録</translation>
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
Tolvane ウィザードを実行しています</translation>
    </message>
    <message id="tolvane-120">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings</source>
        <translation><byte value="xd"/>
このコンピューターのネットワーク設定に基づいて、カメラのネットワーク設定を開始します</translation>
    </message>
    <message id="tolvane-121">
        <source>Failed to get network settings from DHCP server<byte value="xd"/>
Click &quot;YES&quot; to proceed network configuration based on this computer&apos;s network settings<byte value="xd"/>
Click &quot;NO&quot; to continue Tolvane<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
* It may not be able to complete network configuration based on the computer&apos;s netwrok settings depending on your computer model or other factors. In that case, you need to cofigure network settings manually.</source>
        <translation>DHCPサーバーからネットワーク設定を取得できませんでした<byte value="xd"/>
このコンピューターのネットワーク設定に基づいてネットワーク設定を進める場合は「はい」をクリックしてください<byte value="xd"/>
Tolvane の操作を続ける場合は「いいえ」をクリックしてください<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
※ お使いのコンピューターの機種やその他の要因によっては、コンピューターのネットワーク設定に基づくネットワーク設定を完了できない場合があります。その場合は、ネットワークを手動で設定してください。</translation>
    </message>
    <message id="tolvane-122">
        <source><byte value="xd"/>
IP addresses overlapped</source>
        <translation><byte value="xd"/>
IPアドレスが重複しています</translation>
    </message>
    <message id="tolvane-123">
        <source><byte value="xd"/>
Failed to set up camera (Time out)</source>
        <translation><byte value="xd"/>
カメラの設定に失敗しました（タイムアウト）</translation>
    </message>
    <message id="tolvane-124">
        <source><byte value="xd"/>
Camera setup in progress</source>
        <translation><byte value="xd"/>
カメラを設定しています</translation>
    </message>
    <message id="tolvane-125">
        <source><byte value="xd"/>
Failed to set up camera</source>
        <translation><byte value="xd"/>
カメラの設定に失敗しました</translation>
    </message>
    <message id="tolvane-126">
        <source><byte value="xd"/>
Restarting camera</source>
        <translation><byte value="xd"/>
カメラを再起動しています</translation>
    </message>
    <message id="tolvane-127">
        <source><byte value="xd"/>
Camera setup completed</source>
        <translation><byte value="xd"/>
カメラの設定が完了しました</translation>
    </message>
    <message id="tolvane-128">
        <source><byte value="xd"/>
Camera is preparing for Easy Installation.<byte value="xd"/>
Please wait for a while.</source>
        <translation><byte value="xd"/>
カメラがかんたん設定の準備をしています。<byte value="xd"/>
しばらくお待ちください。</translation>
    </message>
    <message id="tolvane-129">
        <source>Unlimited</source>
        <translation>制限なし</translation>
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
        <translation>オフライン</translation>
    </message>
    <message id="tolvane-141">
        <source>Error - DDNS registration</source>
        <translation>DDNS登録エラー</translation>
    </message>
    <message id="tolvane-142">
        <source>Error - Access test</source>
        <translation>アクセステストエラー</translation>
    </message>
    <message id="tolvane-143">
        <source>Error - Port number refreshing</source>
        <translation>ポート番号の更新エラー</translation>
    </message>
    <message id="tolvane-144">
        <source>Error - UPnP configuration</source>
        <translation>UPnP設定エラー</translation>
    </message>
    <message id="tolvane-145">
        <source>Error - Netework configuration</source>
        <translation>ネットワーク設定エラー</translation>
    </message>
    <message id="tolvane-146">
        <source>Firmware version up in progress</source>
        <translation>ファームウェアをバージョンアップしています</translation>
    </message>
    <message id="tolvane-147">
        <source>Network configuration in progress</source>
        <translation>ネットワークを設定しています</translation>
    </message>
    <message id="tolvane-148">
        <source>UPnP configuration in progress</source>
        <translation>UPnPを設定しています</translation>
    </message>
    <message id="tolvane-149">
        <source>Internet connection test in progress</source>
        <translation>インターネット接続をテストしています</translation>
    </message>
    <message id="tolvane-150">
        <source>DDNS registration in progress</source>
        <translation>DDNSに登録しています</translation>
    </message>
    <message id="tolvane-151">
        <source>Internet setup completed</source>
        <translation>インターネット設定完了</translation>
    </message>
    <message id="tolvane-152">
        <source>Local setup completed</source>
        <translation>ローカル設定完了</translation>
    </message>
    <message id="tolvane-153">
        <source>Error - Router connection</source>
        <translation>ルーター接続エラー</translation>
    </message>
    <message id="tolvane-154">
        <source>Changing configuration by user</source>
        <translation>ユーザーが設定を変更しています</translation>
    </message>
    <message id="tolvane-155">
        <source>Enable to access from the Internet</source>
        <translation>インターネットからのアクセス：許可</translation>
    </message>
    <message id="tolvane-156">
        <source>Disable to access from the Internet</source>
        <translation>インターネットからのアクセス：不可</translation>
    </message>
    <message id="tolvane-157">
        <source>Static IP address</source>
        <translation>固定IPアドレス</translation>
    </message>
    <message id="tolvane-158">
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message id="tolvane-159">
        <source>Error - Port number refreshing</source>
        <translation>ポート番号の更新エラー</translation>
    </message>
    <message id="tolvane-160">
        <source>Do you wish to re-setup the camera?</source>
        <translation>カメラを再設定しますか？</translation>
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
        <translation>カメラ番号</translation>
    </message>
    <message id="tolvane-164">
        <source>Do you wish to change to Automatic Setup mode?</source>
        <translation>自動設定モードに変更しますか？</translation>
    </message>
    <message id="tolvane-165">
        <source>Network configuration in progress.<byte value="xd"/>
Please wait for a while.</source>
        <translation>ネットワークを設定しています。<byte value="xd"/>
しばらくお待ちください。</translation>
    </message>
    <message id="tolvane-166">
        <source>IP address is not assigned to this computer.<byte value="xd"/>
Please configure the network settings for this computer and restart this program again.</source>
        <translation>このコンピューターにIPアドレスが割り当てられていません。<byte value="xd"/>
このコンピューターのネットワークを設定してから、このプログラムを起動し直してください。</translation>
    </message>
    <message id="tolvane-167">
        <source>Please select a desired Network Camera</source>
        <translation>ネットワークカメラを選択してください</translation>
    </message>
    <message id="tolvane-168">
        <source>This camera is off-line.</source>
        <translation>このカメラはオフラインです。</translation>
    </message>
    <message id="tolvane-169">
        <source>This program cannot set up the Network Camera over 20 minutes after restart.</source>
        <translation>カメラの再起動から20分以上経過すると、このプログラムではネットワークカメラを設定できません。</translation>
    </message>
    <message id="tolvane-170">
        <source>Invalid value</source>
        <translation>無効な値です</translation>
    </message>
    <message id="tolvane-171">
        <source><byte value="xd"/>
If you wish to allow Internet access to the camera,<byte value="xd"/>
click the &quot;Next&quot; button for advanced setup.</source>
        <translation><byte value="xd"/>
カメラへのインターネットからのアクセスを許可する場合は、<byte value="xd"/>
「次へ」ボタンをクリックして詳細設定に進んでください。</translation>
    </message>
    <message id="tolvane-172">
        <source>Setup completed.<byte value="xd"/>
Use the address below to access the camera.<byte value="xd"/>
  Local Network Access : </source>
        <translation>設定が完了しました。<byte value="xd"/>
カメラには以下のアドレスでアクセスしてください。<byte value="xd"/>
  ローカルネットワークからのアクセス：</translation>
    </message>
    <message id="tolvane-173">
        <source>This camera is in DHCP or Static Connection mode. 
If you wish to change to Automatic Setup mode, 
click &quot;Automatic Setup(Local Access Only)&quot; in the next window.</source>
        <translation>このカメラはDHCPまたは固定IPの接続モードです。
自動設定モードに変更する場合は、
次の画面で「自動設定（ローカルアクセスのみ）」をクリックしてください。</translation>
    </message>
    <message id="tolvane-174">
        <source>Now setting camera for IPsec off.</source>
        <translation>カメラのIPsecを無効にしています。</translation>
    </message>
    <message id="tolvane-175">
        <source>IPsec is already off.</source>
        <translation>IPsecはすでに無効になっています。</translation>
    </message>
    <message id="tolvane-176">
        <source>Illegal Mac address.</source>
        <translation>MACアドレスが正しくありません。</translation>
    </message>
    <message id="tolvane-177">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings. It may take up to 1 minute.</source>
        <translation><byte value="xd"/>
このコンピューターのネットワーク設定に基づいて、カメラのネットワーク設定を開始します。完了まで最大1分かかる場合があります。</translation>
    </message>
    <message id="tolvane-178">
        <source>ENGLISH</source>
        <translation>JAPANESE</translation>
    </message>
    <message id="tolvane-179">
        <source><byte value="xd"/>
Preparing network configuration based on this computer&apos;s network settings.</source>
        <translation><byte value="xd"/>
このコンピューターのネットワーク設定に基づいて、ネットワーク設定を準備しています。</translation>
    </message>
    <message id="tolvane-180">
        <source>IPv4 Information</source>
        <translation>IPv4情報</translation>
    </message>
    <message id="tolvane-181">
        <source>IPv6 Information</source>
        <translation>IPv6情報</translation>
    </message>
    <message id="tolvane-182">
        <source>Non regist for IPv6</source>
        <translation>IPv6未登録</translation>
    </message>
    <message id="tolvane-183">
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message id="tolvane-184">
        <source>Static</source>
        <translation>固定</translation>
    </message>
    <message id="tolvane-185">
        <source>Internet access</source>
        <translation>インターネットアクセス</translation>
    </message>
    <message id="tolvane-186">
        <source>Local access</source>
        <translation>ローカルアクセス</translation>
    </message>
    <message id="tolvane-187">
        <source>First, select &quot;Automatic Setup (Local Access Only)&quot;.</source>
        <translation>まず「自動設定（ローカルアクセスのみ）」を選択してください。</translation>
    </message>
    <message id="tolvane-188">
        <source>More cameras answered than can be listed; not shown: %1. Set up the listed cameras, disconnect them, and start this program again to list the others.</source>
        <translation>一覧に表示できる数より多くのカメラが応答しました。表示されていないカメラ：%1 台。表示されているカメラを設定してから取り外し、このプログラムを再起動すると残りのカメラが表示されます。</translation>
    </message>
    <message id="tolvane-189">
        <source>Checking %1 …</source>
        <translation>%1 を確認しています…</translation>
    </message>
    <message id="tolvane-190">
        <source>No camera answered: no network interface of this PC is connected. Check the network cable and that the network adapter is switched on.</source>
        <translation>カメラが応答しません：このPCのネットワークインターフェースが接続されていません。LANケーブルと、ネットワークアダプターが有効になっていることを確認してください。</translation>
    </message>
    <message id="tolvane-191">
        <source>No camera answered: network interface %1 is connected but has no IPv4 address. Give it an address in the cameras&apos; network, or connect a DHCP server.</source>
        <translation>カメラが応答しません：ネットワークインターフェース %1 は接続されていますが、IPv4アドレスがありません。カメラのネットワークのアドレスを設定するか、DHCPサーバーを接続してください。</translation>
    </message>
    <message id="tolvane-192">
        <source>No camera answered: network interface %1 has only the automatic address %2 because no DHCP server answered. Give it an address in the cameras&apos; network.</source>
        <translation>カメラが応答しません：DHCPサーバーが応答しないため、ネットワークインターフェース %1 には自動アドレス %2 しかありません。カメラのネットワークのアドレスを設定してください。</translation>
    </message>
    <message id="tolvane-193">
        <source>No camera answered, and the firewalld firewall runs on this PC: it drops the cameras&apos; replies unless they are allowed. Allow them with &quot;%1&quot;, and for good with &quot;%2&quot;.</source>
        <translation>カメラが応答しません。このPCではファイアウォールfirewalldが動作しており、許可しないとカメラの応答を破棄します。「%1」で許可し、「%2」で恒久的に許可してください。</translation>
    </message>
    <message id="tolvane-194">
        <source>No camera answered, and the ufw firewall is enabled on this PC: it may drop the cameras&apos; replies. Allow them with &quot;%1&quot;.</source>
        <translation>カメラが応答しません。このPCではファイアウォールufwが有効になっており、カメラの応答を破棄する場合があります。「%1」で許可してください。</translation>
    </message>
    <message id="tolvane-195">
        <source>No camera answered. Check that the cameras are powered and on this PC&apos;s network segment (routers do not forward the search); a firewall must allow UDP port 10669 from the LAN.</source>
        <translation>カメラが応答しません。カメラの電源が入っていて、このPCと同じネットワークセグメントにあることを確認してください（ルーターは検索を転送しません）。ファイアウォールでは、LANからのUDPポート10669を許可する必要があります。</translation>
    </message>
    <message id="tolvane-301">
        <source>line %1, column %2 (%3)</source>
        <translation>%1 行目、%2 列目 (%3)</translation>
    </message>
    <message id="tolvane-302">
        <source>&apos;%1&apos; is not a MAC address; write 02:00:5E:10:00:01, 02-00-5E-10-00-01 or 12 hexadecimal digits.</source>
        <translation>「%1」は MAC アドレスではありません。02:00:5E:10:00:01、02-00-5E-10-00-01 または 16 進数 12 桁で指定してください。</translation>
    </message>
    <message id="tolvane-303">
        <source>&apos;%1&apos; is not an IPv4 address (A.B.C.D).</source>
        <translation>「%1」は IPv4 アドレス (A.B.C.D) ではありません。</translation>
    </message>
    <message id="tolvane-304">
        <source>&apos;%1&apos; is not an address with a prefix length (A.B.C.D/PREFIX, PREFIX from 0 to 32).</source>
        <translation>「%1」はプレフィックス長付きのアドレス (A.B.C.D/PREFIX、PREFIX は 0～32) ではありません。</translation>
    </message>
    <message id="tolvane-305">
        <source>&apos;%1&apos; is not a port number from 1 to 65535.</source>
        <translation>「%1」は 1～65535 のポート番号ではありません。</translation>
    </message>
    <message id="tolvane-306">
        <source>&apos;%1&apos; is not one of the bandwidth choices: %2.</source>
        <translation>「%1」は帯域の選択肢 (%2) のいずれでもありません。</translation>
    </message>
    <message id="tolvane-307">
        <source>&apos;%1&apos; is not a mode: write static, dhcp or leave the cell blank.</source>
        <translation>「%1」はモードではありません。static、dhcp と書くか、空欄にしてください。</translation>
    </message>
    <message id="tolvane-308">
        <source>&apos;%1&apos; is not one or two IPv4 addresses separated by a comma.</source>
        <translation>「%1」はコンマで区切った 1 つまたは 2 つの IPv4 アドレスではありません。</translation>
    </message>
    <message id="tolvane-309">
        <source>%1 cannot be used with %2.</source>
        <translation>%1 は %2 と同時に使えません。</translation>
    </message>
    <message id="tolvane-310">
        <source>%1 needs %2.</source>
        <translation>%1 には %2 が必要です。</translation>
    </message>
    <message id="tolvane-311">
        <source>&apos;%1&apos; does not pass the check of the manual set-up.</source>
        <translation>「%1」は手動設定のチェックを通りません。</translation>
    </message>
    <message id="tolvane-312">
        <source>this camera does not take a name.</source>
        <translation>このカメラには名前を設定できません。</translation>
    </message>
    <message id="tolvane-313">
        <source>&apos;%1&apos; is not a column; the columns are %2.</source>
        <translation>「%1」は列名ではありません。列名は %2 です。</translation>
    </message>
    <message id="tolvane-314">
        <source>the header has no &apos;%1&apos; column.</source>
        <translation>ヘッダーに「%1」列がありません。</translation>
    </message>
    <message id="tolvane-315">
        <source>the column &apos;%1&apos; is named twice.</source>
        <translation>列「%1」が 2 回指定されています。</translation>
    </message>
    <message id="tolvane-316">
        <source>%1 cells where the header names %2.</source>
        <translation>ヘッダーの列数は %2 ですが、この行のセル数は %1 です。</translation>
    </message>
    <message id="tolvane-317">
        <source>a quoted cell is not closed.</source>
        <translation>引用符で囲んだセルが閉じていません。</translation>
    </message>
    <message id="tolvane-318">
        <source>the camera %1 is also on line %2.</source>
        <translation>カメラ %1 は %2 行目にもあります。</translation>
    </message>
    <message id="tolvane-319">
        <source>the address %1 is also on line %2.</source>
        <translation>アドレス %1 は %2 行目にもあります。</translation>
    </message>
    <message id="tolvane-320">
        <source>the address %1 is outside this computer&apos;s subnet %2.</source>
        <translation>アドレス %1 はこのコンピューターのサブネット %2 の外にあります。</translation>
    </message>
    <message id="tolvane-321">
        <source>cannot read the file %1: %2</source>
        <translation>ファイル %1 を読めません: %2</translation>
    </message>
    <message id="tolvane-322">
        <source>the file names no camera.</source>
        <translation>ファイルにカメラが 1 台もありません。</translation>
    </message>
    <message id="tolvane-323">
        <source>another Tolvane is running on this computer and holds the camera port; close it and try again.</source>
        <translation>このコンピューターで別の Tolvane が動作中で、カメラ用ポートを使用しています。終了してからやり直してください。</translation>
    </message>
    <message id="tolvane-324">
        <source>searching for the camera</source>
        <translation>カメラを検索しています</translation>
    </message>
    <message id="tolvane-325">
        <source>found at %1, port %2</source>
        <translation>%1、ポート %2 で見つかりました</translation>
    </message>
    <message id="tolvane-326">
        <source>the camera did not answer within %1 s.</source>
        <translation>カメラが %1 秒以内に応答しませんでした。</translation>
    </message>
    <message id="tolvane-327">
        <source>the settings pass the checks of the manual set-up</source>
        <translation>設定は手動設定のチェックを通りました</translation>
    </message>
    <message id="tolvane-328">
        <source>checking that no other device answers at %1</source>
        <translation>%1 で他の機器が応答しないことを確認しています</translation>
    </message>
    <message id="tolvane-329">
        <source>%1 is free</source>
        <translation>%1 は空いています</translation>
    </message>
    <message id="tolvane-330">
        <source>another device answers at %1; nothing was sent.</source>
        <translation>%1 で別の機器が応答しています。何も送信していません。</translation>
    </message>
    <message id="tolvane-331">
        <source>sending the set-up</source>
        <translation>設定を送信しています</translation>
    </message>
    <message id="tolvane-332">
        <source>acknowledged; restarting the camera</source>
        <translation>応答を受信しました。カメラを再起動しています</translation>
    </message>
    <message id="tolvane-333">
        <source>waiting for the camera to come back</source>
        <translation>カメラの復帰を待っています</translation>
    </message>
    <message id="tolvane-334">
        <source>the camera is back at %1, port %2</source>
        <translation>カメラが %1、ポート %2 で復帰しました</translation>
    </message>
    <message id="tolvane-335">
        <source>verified: the camera reports the new settings</source>
        <translation>確認済み: カメラは新しい設定を報告しています</translation>
    </message>
    <message id="tolvane-336">
        <source>the camera came back without the new settings: %1</source>
        <translation>カメラは新しい設定なしで復帰しました: %1</translation>
    </message>
    <message id="tolvane-337">
        <source>the camera did not acknowledge the set-up; no restart was sent.</source>
        <translation>カメラが設定に応答しませんでした。再起動は送信していません。</translation>
    </message>
    <message id="tolvane-338">
        <source>the camera did not come back in time.</source>
        <translation>カメラが時間内に復帰しませんでした。</translation>
    </message>
    <message id="tolvane-339">
        <source>dry run: every check passed, nothing sent</source>
        <translation>ドライラン: すべてのチェックを通りました。何も送信していません</translation>
    </message>
    <message id="tolvane-340">
        <source>sending the set-up by MAC address</source>
        <translation>MAC アドレス指定の設定を送信しています</translation>
    </message>
    <message id="tolvane-341">
        <source>waiting for the camera to answer at %1</source>
        <translation>カメラが %1 で応答するのを待っています</translation>
    </message>
    <message id="tolvane-342">
        <source>the camera did not answer at %1 in time.</source>
        <translation>カメラが時間内に %1 で応答しませんでした。</translation>
    </message>
    <message id="tolvane-343">
        <source>not run: an earlier camera failed (--stop-on-error).</source>
        <translation>実行しません: 前のカメラが失敗しました (--stop-on-error)。</translation>
    </message>
    <message id="tolvane-344">
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message id="tolvane-345">
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message id="tolvane-346">
        <source>verified</source>
        <translation>確認済み</translation>
    </message>
    <message id="tolvane-347">
        <source>checked</source>
        <translation>チェック済み</translation>
    </message>
    <message id="tolvane-348">
        <source>invalid input</source>
        <translation>入力が不正</translation>
    </message>
    <message id="tolvane-349">
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message id="tolvane-350">
        <source>address in use</source>
        <translation>アドレス使用中</translation>
    </message>
    <message id="tolvane-351">
        <source>no acknowledgement</source>
        <translation>応答なし</translation>
    </message>
    <message id="tolvane-352">
        <source>timed out</source>
        <translation>タイムアウト</translation>
    </message>
    <message id="tolvane-353">
        <source>not verified</source>
        <translation>未確認</translation>
    </message>
    <message id="tolvane-354">
        <source>not run</source>
        <translation>未実行</translation>
    </message>
    <message id="tolvane-355">
        <source>%1 of %2 cameras succeeded.</source>
        <translation>%2 台中 %1 台が成功しました。</translation>
    </message>
    <message id="tolvane-356">
        <source>the camera came back with IPsec still on.</source>
        <translation>カメラは IPsec が有効のまま復帰しました。</translation>
    </message>
    <message id="tolvane-710">
        <source>Copyright (C) 2026 The Tolvane developers.
Licence GPL-3.0-or-later: GNU General Public License, version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright (C) 2026 The Tolvane developers.
ライセンス GPL-3.0-or-later：GNU 一般公衆利用許諾書バージョン 3 以降 &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;。
これはフリーソフトウェアです。自由に変更および再配布できます。法律で認められる範囲で、いかなる保証もありません。
</translation>
    </message>
</context>
</TS>
