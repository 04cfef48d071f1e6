// A stand-in for the browser's save dialog (the File System Access API's showSaveFilePicker),
// which headless chromium always answers as cancelled. The person "chooses" the suggested name;
// what the page writes through the handle is kept, per file name, in
// globalThis.__filePickerStandIn.files (the names in the order written in .saved) for the test to
// read. Opening a file needs no stand-in: the test answers the page's file input through the
// DevTools protocol.
(() => {
    'use strict';
    const files = {};
    const asked = [];
    const saved = [];  // the names written, in order

    class WritableStandIn {
        #name;
        #chunks = [];
        constructor(name) {
            this.#name = name;
        }
        async write(data) {
            if (data instanceof Blob) data = new Uint8Array(await data.arrayBuffer());
            else if (data instanceof ArrayBuffer) data = new Uint8Array(data);
            else if (ArrayBuffer.isView(data)) data = new Uint8Array(data.buffer, data.byteOffset, data.byteLength);
            else if (typeof data === 'string') data = new TextEncoder().encode(data);
            else throw new TypeError('write: unsupported data');
            this.#chunks.push(Uint8Array.from(data));
        }
        async close() {
            // As a real file: what was written appears whole when the stream is closed.
            files[this.#name] = Array.from(this.#chunks.flatMap((c) => Array.from(c)));
            saved.push(this.#name);
        }
        async abort() {
            this.#chunks = [];
        }
    }

    class FileHandleStandIn {
        kind = 'file';
        constructor(name) {
            this.name = name;
        }
        async createWritable() {
            return new WritableStandIn(this.name);
        }
        async getFile() {
            return new File([new Uint8Array(files[this.name] ?? [])], this.name);
        }
    }

    globalThis.showSaveFilePicker = async (options = {}) => {
        asked.push(JSON.parse(JSON.stringify(options)));
        return new FileHandleStandIn(options.suggestedName || 'bez nazwy');
    };
    Object.defineProperty(globalThis, '__filePickerStandIn', {value: {files, asked, saved}, configurable: false});
})();
