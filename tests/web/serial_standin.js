// A stand-in for the browser's Web Serial port, put into the page by the browser tests before
// the page's own scripts run. It has the standard navigator.serial / SerialPort interface; its
// bytes travel over a WebSocket to serial_bridge.py, which passes them to the simulated module's
// pseudo-terminal. Only the browser's port picker and the port itself are replaced: everything
// the page does with the port is the page's own.
//
// The test fills in the bridge's address below before injecting this text. What the page asked of
// the port (the picker's filters, the open options, the signals, the bytes each way) is kept in
// globalThis.__serialStandIn for the test to read.
(() => {
    'use strict';
    const bridgeUrl = '__BRENVOX_BRIDGE_URL__';
    const record = {
        requests: [],      // the filters given to requestPort
        opens: [],         // the options given to open
        signals: [],       // every setSignals call, in order
        closes: 0,
        bytesOut: 0,       // bytes the page wrote
        bytesIn: 0,        // bytes handed to the page
        firstWriteAt: null, // performance.now() of the page's first write
        lastReadAt: null,   // performance.now() of the last bytes handed to the page
        replyWaitMs: 0,     // summed: from each write of the page to the first bytes that came after it
        errors: [],
    };

    const lost = () => new DOMException('The device has been lost.', 'NetworkError');
    const notOpen = () => new DOMException('The port is closed.', 'InvalidStateError');

    class SerialPortStandIn extends EventTarget {
        #socket = null;
        #readable = null;
        #writable = null;
        #readController = null;
        #held = [];  // bytes that came while the page had no stream: the device's buffer
        #signals = {dataTerminalReady: false, requestToSend: false, break: false};
        onconnect = null;
        ondisconnect = null;

        getInfo() {
            // A common USB serial adapter, as the picker would hand one over.
            return {usbVendorId: 0x0403, usbProductId: 0x6001};
        }

        // As the real port does, a stream the page cancelled (dropping what it held) is replaced by
        // a new one on the next look while the port is open.
        get readable() {
            if (!this.#readable && this.#socket) this.#newReadable();
            return this.#readable;
        }

        #newReadable() {
            const stream = new ReadableStream({
                type: 'bytes',
                start: (controller) => {
                    this.#readController = controller;
                    for (const bytes of this.#held) controller.enqueue(bytes);
                    this.#held = [];
                },
                cancel: () => {
                    // Cancelling discards what the port had received and not yet handed over.
                    if (this.#readable !== stream) return;
                    this.#readController = null;
                    this.#readable = null;
                    this.#held = [];
                },
            });
            this.#readable = stream;
        }

        get writable() {
            return this.#writable;
        }

        get connected() {
            return true;
        }

        async open(options) {
            if (!options || typeof options.baudRate !== 'number' || options.baudRate <= 0)
                throw new TypeError("Failed to execute 'open' on 'SerialPort': Required member is undefined.");
            if (this.#socket) throw new DOMException('The port is already open.', 'InvalidStateError');
            record.opens.push({
                baudRate: options.baudRate,
                dataBits: options.dataBits ?? 8,
                stopBits: options.stopBits ?? 1,
                parity: options.parity ?? 'none',
                bufferSize: options.bufferSize ?? 255,
                flowControl: options.flowControl ?? 'none',
            });
            const socket = new WebSocket(bridgeUrl);
            socket.binaryType = 'arraybuffer';
            await new Promise((resolve, reject) => {
                socket.onopen = resolve;
                socket.onerror = () => reject(new DOMException('Failed to open serial port.', 'NetworkError'));
            });
            this.#socket = socket;
            let sentAt = null;
            // As a real port opens: both lines raised until the page says otherwise.
            this.#signals = {dataTerminalReady: true, requestToSend: true, break: false};
            this.#newReadable();
            this.#writable = new WritableStream({
                write: (chunk) => {
                    if (this.#socket?.readyState !== WebSocket.OPEN) throw lost();
                    const bytes = chunk instanceof ArrayBuffer ? new Uint8Array(chunk)
                        : new Uint8Array(chunk.buffer, chunk.byteOffset, chunk.byteLength);
                    if (record.firstWriteAt === null) record.firstWriteAt = performance.now();
                    record.bytesOut += bytes.byteLength;
                    sentAt = performance.now();
                    this.#socket.send(bytes.slice());
                },
            });
            socket.onmessage = (event) => {
                const bytes = new Uint8Array(event.data);
                record.bytesIn += bytes.byteLength;
                record.lastReadAt = performance.now();
                if (sentAt !== null) record.replyWaitMs += record.lastReadAt - sentAt;
                sentAt = null;
                if (!this.#readController) {
                    this.#held.push(bytes);
                    return;
                }
                try {
                    this.#readController.enqueue(bytes);
                } catch (e) {
                    record.errors.push(String(e));
                }
            };
            socket.onclose = () => {
                if (this.#socket !== socket) return;  // closed by close()
                this.#socket = null;
                try {
                    this.#readController?.error(lost());
                } catch (e) {
                    record.errors.push(String(e));
                }
                this.#readController = null;
                this.#readable = null;
                this.#writable = null;
                this.dispatchEvent(new Event('disconnect'));
                this.ondisconnect?.(new Event('disconnect'));
            };
        }

        async setSignals(signals = {}) {
            if (!this.#socket) throw notOpen();
            const known = ['dataTerminalReady', 'requestToSend', 'break'];
            if (!known.some((k) => k in signals))
                throw new TypeError("Failed to execute 'setSignals' on 'SerialPort': Signals dictionary is empty.");
            record.signals.push({...signals});
            for (const k of known) if (k in signals) this.#signals[k] = Boolean(signals[k]);
        }

        async getSignals() {
            if (!this.#socket) throw notOpen();
            // What the module's side of the cable says: ready and clear to send.
            return {dataCarrierDetect: false, clearToSend: true, ringIndicator: false, dataSetReady: true};
        }

        // The lines as the page left them (for the test, not part of the standard interface).
        get standInSignals() {
            return {...this.#signals};
        }

        async close() {
            if (!this.#socket) throw notOpen();
            // A real port refuses to close while the page still holds a reader or a writer.
            if (this.#readable?.locked || this.#writable?.locked)
                throw new TypeError("Failed to execute 'close' on 'SerialPort': Cannot cancel a locked stream");
            const socket = this.#socket;
            this.#socket = null;
            try {
                this.#readController?.close();
            } catch (e) {
                // the page cancelled the stream already
            }
            this.#readController = null;
            this.#readable = null;
            this.#writable = null;
            this.#held = [];
            this.#signals = {dataTerminalReady: false, requestToSend: false, break: false};
            record.closes += 1;
            socket.close();
        }

        async forget() {
            if (this.#socket) await this.close();
            granted.splice(granted.indexOf(this), 1);
        }
    }

    const port = new SerialPortStandIn();
    const granted = [];

    class SerialStandIn extends EventTarget {
        onconnect = null;
        ondisconnect = null;

        async requestPort(options = {}) {
            record.requests.push(JSON.parse(JSON.stringify(options)));
            // The picker shows the one adapter and the user takes it.
            if (!granted.includes(port)) granted.push(port);
            return port;
        }

        async getPorts() {
            return [...granted];
        }
    }

    const serial = new SerialStandIn();
    const proto = Object.getPrototypeOf(navigator);
    Object.defineProperty(proto, 'serial', {get: () => serial, configurable: true, enumerable: true});
    globalThis.SerialPort = SerialPortStandIn;
    Object.defineProperty(globalThis, '__serialStandIn', {
        value: {record, port: () => port},
        configurable: false,
        enumerable: false,
    });
})();
